#include "views/advert_video.h"

#include "base/byte_text.h"

namespace {

// What follows the delimiter; the whole text when there is none.
std::string After(std::string text, const char* delimiter) {
    std::string head;
    SplitFirst(text, head, delimiter);
    return text;
}

// What precedes the delimiter; the whole text when there is none.
std::string Before(std::string text, const char* delimiter) {
    std::string head;
    return SplitFirst(text, head, delimiter) ? head : text;
}

}  // namespace

std::string AdvertVideoAddress(const std::string& body) {
    std::string source = Before(After(body, "src="), " ");
    return VIDEO_WATCH_PREFIX + After(source, VIDEO_EMBED_PREFIX);
}
