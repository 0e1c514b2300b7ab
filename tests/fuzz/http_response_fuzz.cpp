// Arbitrary bytes from a server: the status test, the body cut and the plain download's judge
// never read outside the answer, a body is always a tail piece of what arrived, and a judgement
// never changes its mind about a finished answer when the close comes nor with the pieces the
// answer arrived in.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/http_response.h"

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view received(reinterpret_cast<const char*>(data), size);

    Require(IsOkStatusLine(received) == (received.substr(0, 15) == "HTTP/1.0 200 OK" ||
                                         received.substr(0, 15) == "HTTP/1.1 200 OK"));

    const std::string body = ResponseBody(received);
    Require(received.ends_with(body));
    Require(received.find("\r\n\r\n") == std::string_view::npos ? body.size() == size
                                                                : body.size() + 4 <= size);

    std::string open, closed;
    DownloadResponse whole;
    whole.Add(received);
    const DownloadState whileOpen = whole.Examine(false, open);
    const DownloadState atClose = whole.Examine(true, closed);
    Require(atClose != DownloadState::Incomplete);
    if (whileOpen == DownloadState::Complete)
        Require(atClose == DownloadState::Complete && open == closed);
    if (atClose == DownloadState::Complete)
        Require(closed.size() <= MAX_RESPONSE_BYTES &&
                received.find(closed) != std::string_view::npos);

    // Arriving in pieces (of the length the first byte gives) changes no judgement.
    const size_t piece = size == 0 ? 1 : data[0] % 16 + 1;
    DownloadResponse pieces;
    std::string piecesBody;
    DownloadState inPieces = DownloadState::Incomplete;
    for (size_t at = 0; at < size; at += piece) {
        pieces.Add(received.substr(at, piece));
        inPieces = pieces.Examine(false, piecesBody);
    }
    Require(inPieces == whileOpen && piecesBody == open);
    return 0;
}
