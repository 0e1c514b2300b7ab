// Any feed body gives plain text no longer than itself that ends on a character boundary
// whenever the body does, a page that holds the body whole between its frame, and a video
// address on the video site. The body repeated to a long one (what a hostile server sends:
// the same piece over and over) is rendered too, so that every run tries a long input whatever
// length libFuzzer has grown to; the dictionary html_body_fuzz.dict brings the pieces.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/cp932_text.h"
#include "views/advert_video.h"
#include "views/html_page.h"
#include "views/html_plain_text.h"

namespace {
bool EndsOnACharacterBoundary(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) at += IsCp932LeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    return at == text.size();
}

// Long enough that a search to the end of the body at every piece would show.
constexpr size_t LONG_BODY_BYTES = 32 * 1024;

std::string RepeatedToLong(const std::string& piece) {
    std::string body;
    if (piece.empty()) return body;
    body.reserve(LONG_BODY_BYTES + piece.size());
    while (body.size() < LONG_BODY_BYTES) body += piece;
    return body;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);

    const std::string text = HtmlToPlainText(body);
    if (text.size() > body.size()) std::abort();
    if (EndsOnACharacterBoundary(body) && !EndsOnACharacterBoundary(text)) std::abort();
    const std::string longBody = RepeatedToLong(body);
    if (HtmlToPlainText(longBody).size() > longBody.size()) std::abort();

    const std::string page = BuildHtmlPage(body);
    const std::string tail = body + "</body></html>";
    if (!StartsWith(page, "<!-- saved from url=(0014)about:internet -->\n<html>")) std::abort();
    if (page.size() < tail.size() ||
        page.compare(page.size() - tail.size(), tail.size(), tail) != 0)
        std::abort();

    if (!StartsWith(AdvertVideoAddress(body), VIDEO_WATCH_PREFIX)) std::abort();
    return 0;
}
