#include "base/euc_jp.h"

#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"

namespace {
constexpr unsigned char SINGLE_SHIFT2 = 0x8E;  // half-width katakana follows
constexpr unsigned char SINGLE_SHIFT3 = 0x8F;  // a JIS X 0212 character follows
constexpr int FIRST_USER_DEFINED_ROW = 0x75;   // JIS row 85
constexpr int USER_DEFINED_ROW_SHIFT = 10;     // rows 85.. continue Shift-JIS from lead 0xF0
constexpr char UNCONVERTIBLE = '?';

bool IsEucCodeByte(unsigned char byte) { return byte >= 0xA1 && byte <= 0xFE; }
bool IsHalfWidthKana(unsigned char byte) { return byte >= 0xA1 && byte <= 0xDF; }

unsigned char ByteAt(std::string_view text, size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The standard JIS to Shift-JIS arithmetic: two JIS rows share one lead byte.
void AppendShiftJis(std::string& out, unsigned char first, unsigned char second) {
    int row = first - 0x80;
    const int cell = second - 0x80;
    if (row >= FIRST_USER_DEFINED_ROW) row += USER_DEFINED_ROW_SHIFT;
    const int lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    const int trail = (row & 1) ? cell + (cell >= 0x60 ? 0x20 : 0x1F) : cell + 0x7E;
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

// How many of the wanted code bytes follow the byte at `at`.
size_t CodeBytesAfter(std::string_view text, size_t at, size_t wanted) {
    size_t count = 0;
    while (count < wanted && at + 1 + count < text.size() &&
           IsEucCodeByte(ByteAt(text, at + 1 + count)))
        ++count;
    return count;
}

// Converts the character that starts at `at`; returns the number of bytes it used.
size_t ConvertCharacter(std::string_view text, size_t at, std::string& out) {
    const unsigned char byte = ByteAt(text, at);
    if (byte < 0x80) {
        out += static_cast<char>(byte);
        return 1;
    }
    if (byte == SINGLE_SHIFT2) {
        if (at + 1 < text.size() && IsHalfWidthKana(ByteAt(text, at + 1))) {
            out += static_cast<char>(ByteAt(text, at + 1));
            return 2;
        }
        out += UNCONVERTIBLE;
        return 1;
    }
    if (byte == SINGLE_SHIFT3) {
        out += UNCONVERTIBLE;  // whole or broken, a JIS X 0212 character is one "?"
        return 1 + CodeBytesAfter(text, at, 2);
    }
    if (IsEucCodeByte(byte) && CodeBytesAfter(text, at, 1) == 1) {
        AppendShiftJis(out, byte, ByteAt(text, at + 1));
        return 2;
    }
    out += UNCONVERTIBLE;
    return 1;
}
bool IsShiftJisTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// The JIS row (0x21-0x7E, user rows shifted back) that a Shift-JIS lead byte and its trail
// byte name, or 0 when the lead has no EUC-JP counterpart.
int JisRow(unsigned char lead, unsigned char trail) {
    int pair;  // half the row, rounded up: the lead byte's place in its range
    if (lead >= 0x81 && lead <= 0x9F)
        pair = lead - 0x70;
    else if ((lead >= 0xE0 && lead <= 0xEA) || (lead >= 0xF0 && lead <= 0xF4))
        pair = lead - 0xB0;
    else
        return 0;
    int row = trail >= 0x9F ? pair * 2 : pair * 2 - 1;
    if (lead >= 0xF0) row -= USER_DEFINED_ROW_SHIFT;
    return row;
}

int JisCell(unsigned char trail) {
    if (trail >= 0x9F) return trail - 0x7E;
    return trail >= 0x80 ? trail - 0x20 : trail - 0x1F;
}

// Converts the CP932 character that starts at `at` to EUC-JP; returns the bytes it used.
size_t EncodeCharacter(std::string_view text, size_t at, std::string& out) {
    const unsigned char byte = ByteAt(text, at);
    if (byte < 0x80) {
        out += static_cast<char>(byte);
        return 1;
    }
    if (IsHalfWidthKana(byte)) {
        out += static_cast<char>(SINGLE_SHIFT2);
        out += static_cast<char>(byte);
        return 1;
    }
    if (!IsCp932LeadByte(byte)) {
        out += UNCONVERTIBLE;
        return 1;
    }
    if (at + 1 >= text.size() || !IsShiftJisTrail(ByteAt(text, at + 1))) {
        out += UNCONVERTIBLE;
        return 1;
    }
    const unsigned char trail = ByteAt(text, at + 1);
    const int row = JisRow(byte, trail);
    if (row == 0) {
        out += UNCONVERTIBLE;
        return 2;
    }
    out += static_cast<char>(row + 0x80);
    out += static_cast<char>(JisCell(trail) + 0x80);
    return 2;
}
}  // namespace

std::string Cp932ToEucJp(std::string_view cp932) {
    cp932 = cp932.substr(0, cp932.find('\0'));
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 4);
    for (size_t at = 0; at < cp932.size();) at += EncodeCharacter(cp932, at, out);
    return out;
}

std::string EucJpToCp932(std::string_view eucJp) {
    eucJp = eucJp.substr(0, eucJp.find('\0'));
    std::string out;
    out.reserve(eucJp.size());
    for (size_t at = 0; at < eucJp.size();) at += ConvertCharacter(eucJp, at, out);
    return out;
}
