#include "net/socket_calls.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

namespace {
int Native(SocketHandle socket) { return static_cast<int>(socket); }

bool ConnectionSucceeded(int socket) {
    int error = 0;
    socklen_t length = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}
}  // namespace

void StartSocketLibrary() {}

SocketHandle OpenTcpSocket() {
    int socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return socket < 0 ? NO_SOCKET : static_cast<SocketHandle>(socket);
}

void CloseSocket(SocketHandle socket) {
    shutdown(Native(socket), SHUT_RDWR);
    close(Native(socket));
}

bool ResolveIpv4(const std::string& name, uint32_t& address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
    address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return true;
}

ConnectStart StartConnect(SocketHandle socket, uint32_t address, int port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = address;
    target.sin_port = htons(static_cast<uint16_t>(port));
    if (connect(Native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0)
        return ConnectStart::Connected;
    return errno == EINPROGRESS ? ConnectStart::Pending : ConnectStart::Failed;
}

bool ConnectSucceeded(SocketHandle socket) { return ConnectionSucceeded(Native(socket)); }

int WaitReady(SocketHandle socket, Readiness readiness, uint32_t milliseconds) {
    const short wanted = readiness == Readiness::Read ? POLLIN : POLLOUT;
    pollfd entry{Native(socket), wanted, 0};
    int ready;
    do {
        ready = poll(&entry, 1, static_cast<int>(std::min<uint32_t>(milliseconds, INT_MAX)));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) return ready;
    return (entry.revents & (wanted | POLLHUP | POLLERR)) != 0 ? 1 : -1;
}

bool SetBlocking(SocketHandle socket, bool blocking) {
    int flags = fcntl(Native(socket), F_GETFL, 0);
    if (flags < 0) return false;
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(Native(socket), F_SETFL, flags) == 0;
}

void SetSendAndReceiveTimeouts(SocketHandle socket, uint32_t milliseconds) {
    timeval value{static_cast<time_t>(milliseconds / 1000),
                  static_cast<suseconds_t>(milliseconds % 1000) * 1000};
    if (setsockopt(Native(socket), SOL_SOCKET, SO_SNDTIMEO, &value, sizeof value) == 0)
        setsockopt(Native(socket), SOL_SOCKET, SO_RCVTIMEO, &value, sizeof value);
}

// MSG_NOSIGNAL: a peer that went away is an error, not a signal.
int SendSome(SocketHandle socket, const char* bytes, int count) {
    return static_cast<int>(send(Native(socket), bytes, static_cast<size_t>(count), MSG_NOSIGNAL));
}

int ReceiveSome(SocketHandle socket, char* buffer, int capacity) {
    return static_cast<int>(recv(Native(socket), buffer, static_cast<size_t>(capacity), 0));
}

bool LastCallInterrupted() { return errno == EINTR; }

int64_t SteadyMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
