#include "store/text_utils.h"

#include <cstdarg>
#include <cstdio>

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
    const bool ends = !text.empty() && FindLastOfMbcs(text, std::string_view(&c, 1)) == text.size() - 1;
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

bool SplitFirst(std::string& text, std::string& head, std::string_view delimiter) {
    size_t at = text.find(delimiter);
    if (delimiter.empty() || at == std::string::npos) return false;
    head = text.substr(0, at);
    text.erase(0, at + delimiter.size());
    return true;
}

bool FieldAt(std::string_view text, int index, std::string_view delimiter, std::string& field) {
    if (index < 0) return false;
    size_t start = 0;
    for (int skipped = 0; skipped < index; ++skipped) {
        size_t at = delimiter.empty() ? std::string_view::npos : text.find(delimiter, start);
        if (at == std::string_view::npos) return false;
        start = at + delimiter.size();
    }
    size_t end = delimiter.empty() ? std::string_view::npos : text.find(delimiter, start);
    field = std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
    return true;
}

int CountOccurrences(std::string_view text, std::string_view delimiter) {
    if (delimiter.empty()) return 0;
    int count = 0;
    for (size_t at = text.find(delimiter); at != std::string_view::npos;
         at = text.find(delimiter, at + delimiter.size()))
        ++count;
    return count;
}

std::string LeftBytes(std::string_view text, size_t n) { return std::string(text.substr(0, n)); }

std::string RightBytes(std::string_view text, size_t n) {
    return std::string(text.size() <= n ? text : text.substr(text.size() - n));
}

void TrimSuffix(std::string& text, std::string_view suffix) {
    if (suffix.empty()) return;
    while (text.size() >= suffix.size() &&
           std::string_view(text).substr(text.size() - suffix.size()) == suffix)
        text.erase(text.size() - suffix.size());
}

void TrimPrefix(std::string& text, std::string_view prefix) {
    if (prefix.empty()) return;
    size_t cut = 0;
    while (std::string_view(text).substr(cut, prefix.size()) == prefix) cut += prefix.size();
    text.erase(0, cut);
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

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
        size_t last = end;
        while (last > start && text[last - 1] == '\r') --last;
        lines.emplace_back(text.substr(start, last - start));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += line;
        joined += separator;
    }
    return joined;
}

void AppendHexField(std::string& text, uint32_t value, char separator) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value));
    text += digits;
    text += separator;
}

void AppendTextField(std::string& text, std::string_view field, char separator) {
    text += field;
    text += separator;
}

int32_t TakeHexField(std::string& text, char separator) {
    std::string head;
    if (!SplitFirst(text, head, std::string_view(&separator, 1))) return 0;
    return ReadHex(head);
}

std::string TakeTextField(std::string& text, char separator) {
    std::string head;
    SplitFirst(text, head, std::string_view(&separator, 1));
    return head;
}

namespace {
int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

size_t SkipSpaces(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    return at;
}
}  // namespace

int32_t ReadHex(std::string_view text) {
    uint32_t value = 0;
    size_t at = SkipSpaces(text);
    for (int digits = 0; digits < 8 && at < text.size() && HexDigitValue(text[at]) >= 0; ++digits)
        value = value * 16 + static_cast<uint32_t>(HexDigitValue(text[at++]));
    return static_cast<int32_t>(value);
}

int32_t ReadDecimal(std::string_view text) {
    size_t at = SkipSpaces(text);
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > INT32_MAX + int64_t{1}) value = INT32_MAX + int64_t{1};
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<int32_t>(value);
}

std::string FormatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}
