#include "views/pane_navigation.h"

#include <cctype>

#include "base/cp932_text.h"
#include "views/web_address.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

// text with every "%XX" replaced by its byte.
std::string Unescaped(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

// The path an address names, in one form for comparing: unescaped, "/" between levels, ASCII
// letters lowered, without the "file:" scheme and the slashes that lead the path.
std::string ComparablePath(const std::string& address) {
    std::string path = LowerAsciiLetters(Unescaped(address));
    ReplaceAllMbcs(path, "\\", "/");
    if (path.compare(0, 5, "file:") == 0) path.erase(0, 5);
    path.erase(0, path.find_first_not_of('/'));
    return path;
}

std::string WithoutFragment(const std::string& url) {
    size_t hash = FindFirstOfMbcs(url, "#");
    return hash == std::string::npos ? url : url.substr(0, hash);
}

}  // namespace

bool IsPageAddress(const std::string& url, const std::string& pageUrl) {
    const std::string page = ComparablePath(pageUrl);
    if (page.empty()) return false;
    return ComparablePath(url) == page || ComparablePath(WithoutFragment(url)) == page;
}

PaneNavigation JudgePaneNavigation(const std::string& url, const std::string& pageUrl,
                                   bool requestedByPane, bool topLevel) {
    if (!topLevel) return PaneNavigation::Cancel;
    if (requestedByPane || IsPageAddress(url, pageUrl)) return PaneNavigation::Show;
    return IsOpenableWebAddress(url) ? PaneNavigation::OpenInDefaultBrowser
                                     : PaneNavigation::Cancel;
}

PaneNavigation JudgeNewWindow(const std::string& url) {
    return IsOpenableWebAddress(url) ? PaneNavigation::OpenInDefaultBrowser
                                     : PaneNavigation::Cancel;
}
