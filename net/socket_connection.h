// One TCP connection of the HTTP client, and the socket set-up around it.
//
// Every connection waits a bounded time for connecting, sending and receiving, so a server
// that accepts and then never answers cannot hold a download thread for ever. Connecting and
// receiving also give up within a tenth of a second once the thread's work is cancelled
// (base/cancel_token.h), and the connection then closes its socket.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// How long a connect, a send or a receive may wait; 30 seconds unless changed.
uint32_t SocketTimeoutMilliseconds();
// Applies to connections opened afterwards.
void SetSocketTimeoutMilliseconds(uint32_t milliseconds);

// How long one connection may last in all, from its creation to its last byte: 3 minutes unless
// changed. A server that sends a byte now and then, never waiting as long as the time-out, is
// given up at this point.
uint32_t SocketDeadlineMilliseconds();
// Applies to connections opened afterwards.
void SetSocketDeadlineMilliseconds(uint32_t milliseconds);

// Starts the platform's socket library once per process (Winsock); the matching clean-up runs
// when the process exits. ConnectHost calls it; other socket users (a test server) may too.
void EnsureSocketsStarted();

// The state of one socket attempt. Owns its socket: shuts it down in both directions and
// closes it when destroyed.
class HttpConnection {
public:
    using SocketHandle = std::uintptr_t;
    static constexpr SocketHandle NO_SOCKET = ~SocketHandle{0};

    HttpConnection();
    ~HttpConnection();
    HttpConnection(const HttpConnection&) = delete;
    HttpConnection& operator=(const HttpConnection&) = delete;

    // Sends every byte; false on an error or a time-out.
    bool SendAll(std::string_view bytes);
    // Receives at most capacity bytes: their count, 0 when the peer closed the connection in
    // order, -1 on an error, a time-out, past the connection's deadline or when the calling
    // thread's work is cancelled.
    int Receive(char* buffer, size_t capacity);

private:
    friend bool ConnectHost(const std::string& host, HttpConnection& connection, int defaultPort);

    // How long the next wait may last: the time-out, or less when the deadline comes sooner.
    uint32_t WaitAllowance() const;

    SocketHandle socket_ = NO_SOCKET;
    uint32_t timeoutMilliseconds_;
    int64_t deadline_;  // on the steady clock of the socket calls
};

// Resolves the host (IPv4) and connects the connection to it. The host may carry ":port";
// otherwise defaultPort is used. False when the name does not resolve, the port is not a
// number from 1 to 65535, or the connection cannot be made in time.
bool ConnectHost(const std::string& host, HttpConnection& connection, int defaultPort);
