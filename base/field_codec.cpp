#include "base/field_codec.h"

#include "base/byte_text.h"

// Eight upper-case digits, written by hand: the stores write thousands of these per save.
void AppendHexField(std::string& text, uint32_t value, char separator) {
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    for (int shift = 28; shift >= 0; shift -= 4) text += DIGITS[(value >> shift) & 15];
    text += separator;
}

void AppendTextField(std::string& text, std::string_view field, char separator) {
    text += field;
    text += separator;
}

int32_t TakeHexField(std::string& text, char separator) {
    const size_t end = text.find(separator);
    if (end == std::string::npos) return 0;
    const int32_t value = ReadHex(std::string_view(text).substr(0, end));
    text.erase(0, end + 1);
    return value;
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
