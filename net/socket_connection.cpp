#include "net/socket_connection.h"

#include <algorithm>
#include <atomic>
#include <climits>

#include "base/os.h"
#include "net/socket_calls.h"

namespace {
std::atomic<uint32_t> g_timeoutMilliseconds{30000};

// The connect itself runs non-blocking so that it, too, gives up after the time-out.
bool ConnectWithin(SocketHandle socket, uint32_t address, int port, uint32_t milliseconds) {
    if (!SetBlocking(socket, false)) return false;
    ConnectStart start = StartConnect(socket, address, port);
    bool connected = start == ConnectStart::Connected ||
                     (start == ConnectStart::Pending && FinishConnect(socket, milliseconds));
    return connected && SetBlocking(socket, true);
}

bool SplitHostPort(const std::string& host, int defaultPort, std::string& name, int& port) {
    size_t colon = host.rfind(':');
    if (colon == std::string::npos) {
        name = host;
        port = defaultPort;
        return true;
    }
    name = host.substr(0, colon);
    std::string_view digits = std::string_view(host).substr(colon + 1);
    if (digits.empty() || digits.size() > 5) return false;
    port = 0;
    for (char digit : digits) {
        if (digit < '0' || digit > '9') return false;
        port = port * 10 + (digit - '0');
    }
    return port >= 1 && port <= 65535;
}
}  // namespace

uint32_t SocketTimeoutMilliseconds() { return g_timeoutMilliseconds; }

// Zero would mean "wait for ever" to the socket layer, so the shortest time-out is 1 ms.
void SetSocketTimeoutMilliseconds(uint32_t milliseconds) {
    g_timeoutMilliseconds = std::max<uint32_t>(milliseconds, 1);
}

void EnsureSocketsStarted() { StartSocketLibrary(); }

HttpConnection::HttpConnection() : timeoutMilliseconds_(SocketTimeoutMilliseconds()) {}

HttpConnection::~HttpConnection() {
    if (socket_ == NO_SOCKET) return;
    CloseSocket(socket_);
}

bool HttpConnection::SendAll(std::string_view bytes) {
    while (!bytes.empty()) {
        int chunk = static_cast<int>(std::min<size_t>(bytes.size(), INT_MAX));
        int sent = SendSome(socket_, bytes.data(), chunk);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<size_t>(sent));
        } else if (sent == 0 || !LastCallInterrupted()) {
            Os().Trace("socket: send failed or timed out");
            return false;
        }
    }
    return true;
}

int HttpConnection::Receive(char* buffer, size_t capacity) {
    int wanted = static_cast<int>(std::min<size_t>(capacity, INT_MAX));
    for (;;) {
        int count = ReceiveSome(socket_, buffer, wanted);
        if (count >= 0) return count;
        if (!LastCallInterrupted()) {
            Os().Trace("socket: receive failed or timed out");
            return -1;
        }
    }
}

bool ConnectHost(const std::string& host, HttpConnection& connection, int defaultPort) {
    EnsureSocketsStarted();
    std::string name;
    int port = 0;
    uint32_t address = 0;
    if (!SplitHostPort(host, defaultPort, name, port) || name.empty()) {
        Os().Trace("socket: no host and port in \"" + host + "\"");
        return false;
    }
    if (!ResolveIpv4(name, address)) {
        Os().Trace("socket: cannot resolve " + name);
        return false;
    }
    SocketHandle socket = OpenTcpSocket();
    if (socket == NO_SOCKET) {
        Os().Trace("socket: cannot open a socket");
        return false;
    }
    connection.socket_ = socket;
    SetSendAndReceiveTimeouts(socket, connection.timeoutMilliseconds_);
    if (ConnectWithin(socket, address, port, connection.timeoutMilliseconds_)) return true;
    Os().Trace("socket: cannot connect to " + host);
    return false;
}
