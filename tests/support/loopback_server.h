// A scripted HTTP server on 127.0.0.1 for the client's tests. It runs on its own thread,
// takes one connection at a time, records the request bytes of each and answers them with the
// scripted replies in order; connections beyond the script are closed without an answer.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ScriptedReply {
    enum class Ending {
        Close,    // orderly close after the bytes
        Stall,    // keep the connection open, silent, until the client gives up
        Reset,    // abort the connection (the client sees a reset)
        Trickle,  // then one more byte every 20 ms, never idle for long, until the client gives up
    };

    std::string bytes;
    Ending ending = Ending::Close;
};

class LoopbackServer {
public:
    explicit LoopbackServer(std::vector<ScriptedReply> replies);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int Port() const { return port_; }
    // "127.0.0.1:<port>"
    std::string HostAndPort() const;
    // The request bytes of every connection so far, in order.
    std::vector<std::string> Requests();

private:
    void Serve();
    void Answer(std::uintptr_t connection, const ScriptedReply& reply);

    std::vector<ScriptedReply> replies_;
    std::uintptr_t listener_;
    int port_ = 0;
    bool stopping_ = false;
    std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens (taken from the system, then released).
int UnusedLoopbackPort();
