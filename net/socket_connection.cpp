#include "net/socket_connection.h"

#include <algorithm>
#include <atomic>
#include <climits>

#include "base/cancel_token.h"
#include "base/os.h"
#include "net/socket_calls.h"

namespace {
std::atomic<uint32_t> g_timeoutMilliseconds{30000};
std::atomic<uint32_t> g_deadlineMilliseconds{180000};
// How often a waiting socket looks whether its work was cancelled.
constexpr uint32_t CANCEL_CHECK_MILLISECONDS = 100;

// Waits in short slices, so that cancelled work lets go of its socket within a slice instead of
// at the end of the whole time-out. True when the socket became ready in time.
bool WaitUntilReady(SocketHandle socket, Readiness readiness, uint32_t milliseconds) {
    for (uint32_t waited = 0; waited < milliseconds && !ThisThreadCancelled();) {
        const uint32_t slice = std::min(CANCEL_CHECK_MILLISECONDS, milliseconds - waited);
        int ready = WaitReady(socket, readiness, slice);
        if (ready != 0) return ready > 0;
        waited += slice;
    }
    return false;
}

// The connect itself runs non-blocking so that it, too, gives up after the time-out.
bool ConnectWithin(SocketHandle socket, uint32_t address, int port, uint32_t milliseconds) {
    if (!SetBlocking(socket, false)) return false;
    ConnectStart start = StartConnect(socket, address, port);
    bool connected =
        start == ConnectStart::Connected ||
        (start == ConnectStart::Pending && WaitUntilReady(socket, Readiness::Write, milliseconds) &&
         ConnectSucceeded(socket));
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

uint32_t SocketDeadlineMilliseconds() { return g_deadlineMilliseconds; }

void SetSocketDeadlineMilliseconds(uint32_t milliseconds) {
    g_deadlineMilliseconds = std::max<uint32_t>(milliseconds, 1);
}

void EnsureSocketsStarted() { StartSocketLibrary(); }

HttpConnection::HttpConnection()
    : timeoutMilliseconds_(SocketTimeoutMilliseconds()),
      deadline_(SteadyMilliseconds() + SocketDeadlineMilliseconds()) {}

uint32_t HttpConnection::WaitAllowance() const {
    const int64_t left = deadline_ - SteadyMilliseconds();
    if (left <= 0) return 0;
    return static_cast<uint32_t>(std::min<int64_t>(left, timeoutMilliseconds_));
}

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
        const uint32_t allowance = WaitAllowance();
        if (allowance == 0) {
            Os().Trace("socket: the connection's deadline has passed");
            return -1;
        }
        if (!WaitUntilReady(socket_, Readiness::Read, allowance)) {
            Os().Trace(ThisThreadCancelled()  ? "socket: receive cancelled"
                       : WaitAllowance() == 0 ? "socket: the connection's deadline has passed"
                                              : "socket: receive timed out");
            return -1;
        }
        int count = ReceiveSome(socket_, buffer, wanted);
        if (count >= 0) return count;
        if (!LastCallInterrupted()) {
            Os().Trace("socket: receive failed");
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
    if (ConnectWithin(socket, address, port, connection.WaitAllowance())) return true;
    Os().Trace("socket: cannot connect to " + host);
    return false;
}
