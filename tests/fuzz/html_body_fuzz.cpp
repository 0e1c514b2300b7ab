// Any feed body gives plain text no longer than itself that ends on a character boundary
// whenever the body does, a page that holds the body whole between its frame, and a video
// address on the video site.
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

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);

    const std::string text = HtmlToPlainText(body);
    if (text.size() > body.size()) std::abort();
    if (EndsOnACharacterBoundary(body) && !EndsOnACharacterBoundary(text)) std::abort();

    const std::string page = BuildHtmlPage(body);
    const std::string tail = body + "</body></html>";
    if (!StartsWith(page, "<!-- saved from url=(0014)about:internet -->\n<html>")) std::abort();
    if (page.size() < tail.size() ||
        page.compare(page.size() - tail.size(), tail.size(), tail) != 0)
        std::abort();

    if (!StartsWith(AdvertVideoAddress(body), VIDEO_WATCH_PREFIX)) std::abort();
    return 0;
}
