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
    // The result is built beside the text, so each replacement costs its own length rather than
    // a shift of the whole rest. Character starts are walked over the text as replaced so far
    // (`result`, then the bytes of `text` from `copied` on), as a scan in place would see it.
    std::string result;
    size_t copied = 0;
    size_t boundary = 0;  // a character start of the replaced text, walked from its start
    auto byteAt = [&](size_t at) {
        return at < result.size() ? result[at] : text[copied + (at - result.size())];
    };
    for (size_t at = text.find(find); at != std::string::npos;) {
        const size_t replacedAt = result.size() + (at - copied);
        while (boundary < replacedAt)
            boundary += IsCp932LeadByte(static_cast<unsigned char>(byteAt(boundary))) ? 2 : 1;
        if (boundary != replacedAt) {  // the match starts on the second byte of a character
            at = text.find(find, at + find.size());
            continue;
        }
        result.append(text, copied, at - copied);
        result += replacement;
        copied = at + find.size();
        at = text.find(find, copied);
    }
    if (copied == 0) return;
    result.append(text, copied, std::string::npos);
    text = std::move(result);
}
