// The socket calls whose shape differs between Winsock and BSD sockets, over a plain handle.
// socket_calls_win32.cpp and socket_calls_posix.cpp each implement them; the connection logic
// above them (socket_connection.cpp) is the same on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

using SocketHandle = std::uintptr_t;
inline constexpr SocketHandle NO_SOCKET = ~SocketHandle{0};

// Starts the platform's socket library once per process (Winsock); nothing elsewhere.
void StartSocketLibrary();

// A new TCP socket; NO_SOCKET when none can be made.
SocketHandle OpenTcpSocket();
// Shuts the socket down in both directions and closes it.
void CloseSocket(SocketHandle socket);

// The IPv4 address of the name, in network byte order; false when it does not resolve.
bool ResolveIpv4(const std::string& name, uint32_t& address);

enum class ConnectStart { Connected, Pending, Failed };
// Starts a connect of a non-blocking socket to the address (network byte order) and port.
ConnectStart StartConnect(SocketHandle socket, uint32_t address, int port);
// After a pending connect became writable: true when it succeeded.
bool ConnectSucceeded(SocketHandle socket);

enum class Readiness { Read, Write };
// One wait of up to the given time: 1 when the socket is ready (or has a condition that the next
// call will report), 0 when the time ran out, -1 on an error.
int WaitReady(SocketHandle socket, Readiness readiness, uint32_t milliseconds);

bool SetBlocking(SocketHandle socket, bool blocking);
void SetSendAndReceiveTimeouts(SocketHandle socket, uint32_t milliseconds);

// One send / receive call: the bytes it moved, or -1 on an error or a time-out.
int SendSome(SocketHandle socket, const char* bytes, int count);
int ReceiveSome(SocketHandle socket, char* buffer, int capacity);
// True when the last failed call was only interrupted by a signal and may be repeated.
bool LastCallInterrupted();

// Milliseconds on the system's steady clock (from an arbitrary start), which the deadline of a
// connection is measured on: it never jumps with the time of day.
int64_t SteadyMilliseconds();
