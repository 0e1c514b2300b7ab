#include <cstring>
#include <memory>

#include "base/cancel_token.h"
#include "base/os.h"
#include "net/http_client.h"
#include "net/http_request.h"
#include "net/http_response.h"
#include "net/socket_connection.h"
#include "base/line_file.h"

namespace {
constexpr size_t RECEIVE_BUFFER_BYTES = 924288;
// A short pause before every attempt, so that retries do not hammer a struggling server.
constexpr int PAUSE_BEFORE_ATTEMPT_MILLISECONDS = 100;
constexpr int HTTP_PORT = 80;

// Reads the answer until the server closes the connection. The answer is text, so it ends at
// its first NUL byte; what follows is read (the close still has to come) but dropped, whichever
// way the network happened to split it into chunks. An error or a time-out means the answer
// may be cut short, so it fails rather than pass on partial data.
bool ReceiveResponseText(HttpConnection& connection, std::string& response) {
    std::unique_ptr<char[]> buffer(new char[RECEIVE_BUFFER_BYTES]);
    size_t received = 0;
    bool textEnded = false;
    for (;;) {
        int count = connection.Receive(buffer.get(), RECEIVE_BUFFER_BYTES);
        if (count == 0) return true;
        if (count < 0) return false;
        received += static_cast<size_t>(count);
        if (received > MAX_RESPONSE_BYTES) return false;
        if (textEnded) continue;
        const char* nul =
            static_cast<const char*>(std::memchr(buffer.get(), '\0', static_cast<size_t>(count)));
        response.append(buffer.get(),
                        nul ? static_cast<size_t>(nul - buffer.get()) : static_cast<size_t>(count));
        textEnded = nul != nullptr;
    }
}
}  // namespace

bool SocketGet(const std::string& host, const std::string& target, FetchedText& result,
               const std::string& localFile, bool http11, const std::string& extraHeaders) {
    result = {};
    // Cancelled work touches no file: its owner may be gone.
    if (ThisThreadCancelled()) return false;
    Os().RemoveFile(localFile);
    Os().SleepMilliseconds(PAUSE_BEFORE_ATTEMPT_MILLISECONDS);
    std::string response;
    {
        HttpConnection connection;
        if (!ConnectHost(host, connection, HTTP_PORT)) return false;
        if (!connection.SendAll(BuildGetRequest(target, http11, host, extraHeaders))) return false;
        if (!ReceiveResponseText(connection, response)) return false;
    }
    if (!IsOkStatusLine(response) || ThisThreadCancelled()) return false;
    WriteFileAtomically(localFile, response);  // a copy only: failing to write it fails nothing
    result = {std::move(response), true};
    return true;
}
