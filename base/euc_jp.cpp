#include "base/euc_jp.h"

namespace {
constexpr unsigned char SINGLE_SHIFT2 = 0x8E;  // half-width katakana follows
constexpr unsigned char SINGLE_SHIFT3 = 0x8F;  // a JIS X 0212 character follows
constexpr int FIRST_USER_DEFINED_ROW = 0x75;     // JIS row 85
constexpr int USER_DEFINED_ROW_SHIFT = 10;       // rows 85.. continue Shift-JIS from lead 0xF0
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
}  // namespace

std::string EucJpToCp932(std::string_view eucJp) {
    eucJp = eucJp.substr(0, eucJp.find('\0'));
    std::string out;
    out.reserve(eucJp.size());
    for (size_t at = 0; at < eucJp.size();) at += ConvertCharacter(eucJp, at, out);
    return out;
}
