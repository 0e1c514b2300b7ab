#include "net/socket_connection.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>
#endif

#include "app/cancel_token.h"

namespace {
std::atomic<uint32_t> g_timeoutMilliseconds{30000};
// How often a waiting socket looks whether its work was cancelled.
constexpr uint32_t kCancelCheckMilliseconds = 100;

enum class Readiness { Read, Write };

// The few calls whose shape differs between Winsock and BSD sockets.
#ifdef _WIN32
using NativeSocket = SOCKET;
constexpr int kSendFlags = 0;
constexpr int kShutdownBoth = SD_BOTH;

class WinsockSession {
public:
    WinsockSession() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockSession() {
        if (started_) WSACleanup();
    }

private:
    bool started_ = false;
};

void CloseNative(NativeSocket socket) { closesocket(socket); }

bool SetBlocking(NativeSocket socket, bool blocking) {
    u_long nonBlocking = blocking ? 0 : 1;
    return ioctlsocket(socket, FIONBIO, &nonBlocking) == 0;
}

bool ConnectIsPending() { return WSAGetLastError() == WSAEWOULDBLOCK; }
bool LastCallInterrupted() { return false; }

// select, not WSAPoll: WSAPoll does not report a refused connection on older Windows.
// 1 when the socket is ready, 0 when the time ran out, -1 on an error.
int WaitOnce(NativeSocket socket, Readiness readiness, uint32_t milliseconds) {
    fd_set ready, failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket, &ready);
    FD_SET(socket, &failed);
    timeval limit{static_cast<long>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000};
    fd_set* readable = readiness == Readiness::Read ? &ready : nullptr;
    fd_set* writable = readiness == Readiness::Write ? &ready : nullptr;
    int count = select(0, readable, writable, &failed, &limit);
    if (count == 0) return 0;
    return count > 0 && FD_ISSET(socket, &ready) ? 1 : -1;
}

void SetSendAndReceiveTimeouts(NativeSocket socket, uint32_t milliseconds) {
    DWORD value = milliseconds;
    const char* option = reinterpret_cast<const char*>(&value);
    if (setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, option, sizeof value) == 0)
        setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, option, sizeof value);
}
#else
using NativeSocket = int;
constexpr int kSendFlags = MSG_NOSIGNAL;  // a peer that went away is an error, not a signal
constexpr int kShutdownBoth = SHUT_RDWR;

void CloseNative(NativeSocket socket) { close(socket); }

bool SetBlocking(NativeSocket socket, bool blocking) {
    int flags = fcntl(socket, F_GETFL, 0);
    if (flags < 0) return false;
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(socket, F_SETFL, flags) == 0;
}

bool ConnectIsPending() { return errno == EINPROGRESS; }
bool LastCallInterrupted() { return errno == EINTR; }

// 1 when the socket is ready (or has a condition that the next call will report), 0 when the
// time ran out, -1 on an error.
int WaitOnce(NativeSocket socket, Readiness readiness, uint32_t milliseconds) {
    const short wanted = readiness == Readiness::Read ? POLLIN : POLLOUT;
    pollfd entry{socket, wanted, 0};
    int ready;
    do {
        ready = poll(&entry, 1, static_cast<int>(std::min<uint32_t>(milliseconds, INT_MAX)));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) return ready;
    return (entry.revents & (wanted | POLLHUP | POLLERR)) != 0 ? 1 : -1;
}

void SetSendAndReceiveTimeouts(NativeSocket socket, uint32_t milliseconds) {
    timeval value{static_cast<time_t>(milliseconds / 1000),
                  static_cast<suseconds_t>(milliseconds % 1000) * 1000};
    if (setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &value, sizeof value) == 0)
        setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &value, sizeof value);
}
#endif

NativeSocket Native(HttpConnection::SocketHandle handle) { return static_cast<NativeSocket>(handle); }

// Waits in short slices, so that cancelled work lets go of its socket within a slice instead of
// at the end of the whole time-out. True when the socket became ready in time.
bool WaitUntilReady(NativeSocket socket, Readiness readiness, uint32_t milliseconds) {
    for (uint32_t waited = 0; waited < milliseconds && !ThisThreadCancelled();) {
        const uint32_t slice = std::min(kCancelCheckMilliseconds, milliseconds - waited);
        int ready = WaitOnce(socket, readiness, slice);
        if (ready != 0) return ready > 0;
        waited += slice;
    }
    return false;
}

bool ConnectionSucceeded(NativeSocket socket) {
    int error = 0;
    socklen_t length = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 &&
           error == 0;
}

// The connect itself runs non-blocking so that it, too, gives up after the time-out.
bool ConnectWithin(NativeSocket socket, const sockaddr_in& address, uint32_t milliseconds) {
    if (!SetBlocking(socket, false)) return false;
    int status = connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    bool connected = status == 0 ||
                     (ConnectIsPending() && WaitUntilReady(socket, Readiness::Write, milliseconds) &&
                      ConnectionSucceeded(socket));
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

bool ResolveIpv4(const std::string& name, int port, sockaddr_in& address) {
    if (name.empty()) return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
    std::memcpy(&address, found->ai_addr, sizeof address);
    freeaddrinfo(found);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return true;
}
}  // namespace

uint32_t SocketTimeoutMilliseconds() { return g_timeoutMilliseconds; }

// Zero would mean "wait for ever" to the socket layer, so the shortest time-out is 1 ms.
void SetSocketTimeoutMilliseconds(uint32_t milliseconds) {
    g_timeoutMilliseconds = std::max<uint32_t>(milliseconds, 1);
}

void EnsureSocketsStarted() {
#ifdef _WIN32
    static WinsockSession session;
#endif
}

HttpConnection::HttpConnection() : timeoutMilliseconds_(SocketTimeoutMilliseconds()) {}

HttpConnection::~HttpConnection() {
    if (socket_ == kNoSocket) return;
    shutdown(Native(socket_), kShutdownBoth);
    CloseNative(Native(socket_));
}

bool HttpConnection::SendAll(std::string_view bytes) {
    while (!bytes.empty()) {
        int chunk = static_cast<int>(std::min<size_t>(bytes.size(), INT_MAX));
        auto sent = send(Native(socket_), bytes.data(), chunk, kSendFlags);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<size_t>(sent));
        } else if (sent == 0 || !LastCallInterrupted()) {
            return false;
        }
    }
    return true;
}

int HttpConnection::Receive(char* buffer, size_t capacity) {
    int wanted = static_cast<int>(std::min<size_t>(capacity, INT_MAX));
    for (;;) {
        if (!WaitUntilReady(Native(socket_), Readiness::Read, timeoutMilliseconds_)) return -1;
        auto count = recv(Native(socket_), buffer, wanted, 0);
        if (count >= 0) return static_cast<int>(count);
        if (!LastCallInterrupted()) return -1;
    }
}

bool ConnectHost(const std::string& host, HttpConnection& connection, int defaultPort) {
    EnsureSocketsStarted();
    std::string name;
    int port = 0;
    sockaddr_in address{};
    if (!SplitHostPort(host, defaultPort, name, port) || !ResolveIpv4(name, port, address)) return false;
    NativeSocket socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (static_cast<HttpConnection::SocketHandle>(socket) == HttpConnection::kNoSocket) return false;
    connection.socket_ = static_cast<HttpConnection::SocketHandle>(socket);
    SetSendAndReceiveTimeouts(socket, connection.timeoutMilliseconds_);
    return ConnectWithin(socket, address, connection.timeoutMilliseconds_);
}
