#include "tests/support/loopback_server.h"

#include <algorithm>
#include <cstring>

#include "net/socket_connection.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {
#ifdef _WIN32
using NativeSocket = SOCKET;
constexpr int SEND_FLAGS = 0;
constexpr int SHUTDOWN_SEND = SD_SEND;
void CloseNative(NativeSocket socket) { closesocket(socket); }
void PauseMilliseconds(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }
#else
using NativeSocket = int;
constexpr int SEND_FLAGS = MSG_NOSIGNAL;
constexpr int SHUTDOWN_SEND = SHUT_WR;
void CloseNative(NativeSocket socket) { close(socket); }
void PauseMilliseconds(int milliseconds) { usleep(static_cast<useconds_t>(milliseconds) * 1000); }
#endif

NativeSocket Native(std::uintptr_t handle) { return static_cast<NativeSocket>(handle); }

sockaddr_in LoopbackAddress(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

NativeSocket BoundLoopbackSocket() {
    EnsureSocketsStarted();
    NativeSocket socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = LoopbackAddress(0);
    bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return socket;
}

int LocalPort(NativeSocket socket) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

std::string ReadRequest(NativeSocket connection) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        auto count = recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0) break;
        request.append(buffer, static_cast<size_t>(count));
    }
    return request;
}

void SendEverything(NativeSocket connection, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        int chunk = static_cast<int>(std::min<size_t>(bytes.size() - sent, 1 << 20));
        auto count = send(connection, bytes.data() + sent, chunk, SEND_FLAGS);
        if (count <= 0) return;  // the client gave up; that is what some tests want
        sent += static_cast<size_t>(count);
    }
}

void WaitForClientToClose(NativeSocket connection) {
    char buffer[256];
    while (recv(connection, buffer, sizeof buffer, 0) > 0) {
    }
}

void TrickleUntilClientCloses(NativeSocket connection) {
    while (send(connection, "x", 1, SEND_FLAGS) == 1) PauseMilliseconds(20);
}

void AbortConnection(NativeSocket connection) {
    linger abort{};
    abort.l_onoff = 1;
    abort.l_linger = 0;
    setsockopt(connection, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
               sizeof abort);
}
}  // namespace

LoopbackServer::LoopbackServer(std::vector<ScriptedReply> replies) : replies_(std::move(replies)) {
    NativeSocket listener = BoundLoopbackSocket();
    listen(listener, 8);
    listener_ = static_cast<std::uintptr_t>(listener);
    port_ = LocalPort(listener);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    // Wake the accept call with one last connection.
    NativeSocket waker = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = LoopbackAddress(port_);
    connect(waker, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    thread_.join();
    CloseNative(waker);
    CloseNative(Native(listener_));
}

std::string LoopbackServer::HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> LoopbackServer::Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LoopbackServer::Serve() {
    for (size_t index = 0;; ++index) {
        NativeSocket connection = accept(Native(listener_), nullptr, nullptr);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) {
                CloseNative(connection);
                return;
            }
        }
        std::string request = ReadRequest(connection);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        Answer(static_cast<std::uintptr_t>(connection),
               index < replies_.size() ? replies_[index] : ScriptedReply{});
    }
}

void LoopbackServer::Answer(std::uintptr_t handle, const ScriptedReply& reply) {
    NativeSocket connection = Native(handle);
    SendEverything(connection, reply.bytes);
    switch (reply.ending) {
    case ScriptedReply::Ending::Close: shutdown(connection, SHUTDOWN_SEND); break;
    case ScriptedReply::Ending::Stall: WaitForClientToClose(connection); break;
    case ScriptedReply::Ending::Reset: AbortConnection(connection); break;
    case ScriptedReply::Ending::Trickle: TrickleUntilClientCloses(connection); break;
    }
    CloseNative(connection);
}

int UnusedLoopbackPort() {
    NativeSocket socket = BoundLoopbackSocket();
    int port = LocalPort(socket);
    CloseNative(socket);
    return port;
}
