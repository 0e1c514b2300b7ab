#include "publish/ascii_text.h"

namespace {
bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
}  // namespace

std::string_view TrimmedText(std::string_view text) {
    while (!text.empty() && IsAsciiSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsAsciiSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}
