#include "net/socket_calls.h"

#include <cstring>
#include <winsock2.h>
#include <ws2tcpip.h>

namespace {
SOCKET Native(SocketHandle socket) { return static_cast<SOCKET>(socket); }

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

bool ConnectionSucceeded(SOCKET socket) {
    int error = 0;
    int length = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) ==
               0 &&
           error == 0;
}
}  // namespace

// The matching clean-up runs when the process exits.
void StartSocketLibrary() { static WinsockSession session; }

SocketHandle OpenTcpSocket() {
    SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return socket == INVALID_SOCKET ? NO_SOCKET : static_cast<SocketHandle>(socket);
}

void CloseSocket(SocketHandle socket) {
    shutdown(Native(socket), SD_BOTH);
    closesocket(Native(socket));
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
    target.sin_port = htons(static_cast<u_short>(port));
    if (connect(Native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0)
        return ConnectStart::Connected;
    return WSAGetLastError() == WSAEWOULDBLOCK ? ConnectStart::Pending : ConnectStart::Failed;
}

bool ConnectSucceeded(SocketHandle socket) { return ConnectionSucceeded(Native(socket)); }

// select, not WSAPoll: WSAPoll does not report a refused connection on older Windows.
int WaitReady(SocketHandle socket, Readiness readiness, uint32_t milliseconds) {
    fd_set ready, failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(Native(socket), &ready);
    FD_SET(Native(socket), &failed);
    timeval limit{static_cast<long>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000};
    fd_set* readable = readiness == Readiness::Read ? &ready : nullptr;
    fd_set* writable = readiness == Readiness::Write ? &ready : nullptr;
    int count = select(0, readable, writable, &failed, &limit);
    if (count == 0) return 0;
    return count > 0 && FD_ISSET(Native(socket), &ready) ? 1 : -1;
}

bool SetBlocking(SocketHandle socket, bool blocking) {
    u_long nonBlocking = blocking ? 0 : 1;
    return ioctlsocket(Native(socket), FIONBIO, &nonBlocking) == 0;
}

void SetSendAndReceiveTimeouts(SocketHandle socket, uint32_t milliseconds) {
    DWORD value = milliseconds;
    const char* option = reinterpret_cast<const char*>(&value);
    if (setsockopt(Native(socket), SOL_SOCKET, SO_SNDTIMEO, option, sizeof value) == 0)
        setsockopt(Native(socket), SOL_SOCKET, SO_RCVTIMEO, option, sizeof value);
}

int SendSome(SocketHandle socket, const char* bytes, int count) {
    return send(Native(socket), bytes, count, 0);
}

int ReceiveSome(SocketHandle socket, char* buffer, int capacity) {
    return recv(Native(socket), buffer, capacity, 0);
}

bool LastCallInterrupted() { return false; }

int64_t SteadyMilliseconds() { return static_cast<int64_t>(GetTickCount64()); }
