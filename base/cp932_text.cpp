#include "base/cp932_text.h"

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t FindLastOfMbcs(std::string_view text, std::string_view chars) {
    size_t last = std::string_view::npos;
    for (size_t at = 0; at < text.size(); ++at) {
        if (IsCp932LeadByte(static_cast<unsigned char>(text[at]))) {
            ++at;
        } else if (chars.find(text[at]) != std::string_view::npos) {
            last = at;
        }
    }
    return last;
}

size_t FindFirstOfMbcs(std::string_view text, std::string_view chars, size_t from) {
    for (size_t at = from; at < text.size(); ++at) {
        if (IsCp932LeadByte(static_cast<unsigned char>(text[at]))) {
            ++at;
        } else if (chars.find(text[at]) != std::string_view::npos) {
            return at;
        }
    }
    return std::string_view::npos;
}

std::string WithTrailingMbcs(std::string text, char c) {
    const bool ends =
        !text.empty() && FindLastOfMbcs(text, std::string_view(&c, 1)) == text.size() - 1;
    if (!ends) text += c;
    return text;
}

std::string LowerAsciiLetters(std::string_view text) {
    std::string lower;
    lower.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (IsCp932LeadByte(static_cast<unsigned char>(c)) && at + 1 < text.size()) {
            lower += c;
            lower += text[++at];
        } else {
            lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return lower;
}

void ReplaceAllMbcs(std::string& text, std::string_view find, std::string_view replacement) {
    if (find.empty()) return;
    size_t boundary = 0;  // start of a character, found by walking the text from its start
    size_t searchFrom = 0;
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, searchFrom)) {
        while (boundary < at)
            boundary += IsCp932LeadByte(static_cast<unsigned char>(text[boundary])) ? 2 : 1;
        if (boundary != at) {  // the match starts on the second byte of a character
            searchFrom = at + find.size();
            continue;
        }
        text.replace(at, find.size(), replacement);
        searchFrom = at + replacement.size();
    }
}
