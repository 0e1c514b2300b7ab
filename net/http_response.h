// Reading what an HTTP server answered.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// An answer longer than this is refused as a whole; no server file comes near it.
inline constexpr size_t MAX_RESPONSE_BYTES = 32u * 1024u * 1024u;

// True when the answer begins with exactly "HTTP/1.0 200 OK" or "HTTP/1.1 200 OK" (case
// included); any other status, redirects too, and anything shorter is not a success.
bool IsOkStatusLine(std::string_view response);

// What a caller keeps of a fetched text: everything after the first CR LF CR LF when the text
// came with its header, the whole text otherwise.
std::string ResponseBody(std::string_view fetched);

enum class DownloadState { Incomplete, Complete, Failed };

// A plain download's answer, collected as it arrives. The end of the head is looked for only in
// the bytes that came since the last look, and the head is read once, so every byte costs the
// same however the server splits its answer, and a head that never ends costs no more than a
// body.
class DownloadResponse {
public:
    void Add(std::string_view bytes);
    size_t Size() const { return received_.size(); }

    // Judges the bytes received so far: Complete (with the body) after a 200 status once
    // Content-Length bytes of body are in or, without that header, once the server has closed;
    // Failed for another status, an encoded transfer (chunked) that this client does not
    // decode, a malformed or oversized length, or a close before the answer was whole.
    DownloadState Examine(bool closed, std::string& body);

private:
    struct Framing {
        bool acceptable = false;
        bool hasLength = false;
        size_t length = 0;
    };

    bool FindHeadEnd();
    static Framing ReadHead(std::string_view head);

    std::string received_;
    size_t searchedTo_ = 0;  // no head end starts before this
    size_t bodyStart_ = 0;   // 0 until the head's end has arrived
    Framing framing_;
};
