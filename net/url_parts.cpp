#include "net/url_parts.h"

namespace {
// Where the host starts: just after the second "/"; npos when there is none.
size_t HostStart(std::string_view url) {
    size_t first = url.find('/');
    if (first == std::string_view::npos) return std::string_view::npos;
    size_t second = url.find('/', first + 1);
    return second == std::string_view::npos ? second : second + 1;
}
}  // namespace

std::string UrlHost(std::string_view url) {
    size_t start = HostStart(url);
    if (start == std::string_view::npos) return "";
    size_t end = url.find('/', start);
    return std::string(url.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string UrlPath(std::string_view url) {
    size_t start = HostStart(url);
    if (start == std::string_view::npos) return "";
    size_t end = url.find('/', start);
    return end == std::string_view::npos ? "" : std::string(url.substr(end));
}
