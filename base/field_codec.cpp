#include "base/field_codec.h"

#include <array>

#include "base/byte_text.h"

// Eight upper-case digits, written by hand: the stores write thousands of these per save.
void AppendHexField(std::string& text, uint32_t value, char separator) {
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    char field[9];
    for (int digit = 0; digit < 8; ++digit) field[digit] = DIGITS[(value >> (28 - 4 * digit)) & 15];
    field[8] = separator;
    text.append(field, sizeof field);
}

void AppendTextField(std::string& text, std::string_view field, char separator) {
    text += field;
    text += separator;
}

int32_t TakeHexField(std::string_view& text, char separator) {
    std::string_view field;
    return SplitFirst(text, field, std::string_view(&separator, 1)) ? ReadHex(field) : 0;
}

std::string TakeTextField(std::string_view& text, char separator) {
    std::string_view field;
    SplitFirst(text, field, std::string_view(&separator, 1));
    return std::string(field);
}

namespace {
// Each byte's value as a hexadecimal digit, or -1: one look-up per byte of every hex field read.
constexpr std::array<int8_t, 256> HEX_DIGIT_VALUES = [] {
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int digit = 0; digit < 10; ++digit) values['0' + digit] = static_cast<int8_t>(digit);
    for (int digit = 0; digit < 6; ++digit) {
        values['A' + digit] = static_cast<int8_t>(10 + digit);
        values['a' + digit] = static_cast<int8_t>(10 + digit);
    }
    return values;
}();

int HexDigitValue(char c) { return HEX_DIGIT_VALUES[static_cast<unsigned char>(c)]; }

size_t SkipSpaces(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    return at;
}
}  // namespace

int32_t ReadHex(std::string_view text) {
    uint32_t value = 0;
    for (char c : text.substr(SkipSpaces(text), 8)) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
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
