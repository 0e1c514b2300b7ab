#include "publish/utf8_to_cp932.h"

#include <iconv.h>

#include <cerrno>
#include <string_view>

namespace {
// Characters whose JIS meaning CP932 keeps under another code point, and common Latin
// characters it lacks. Quotation marks and angle brackets become their CJK forms, never ASCII
// markup: texts are converted after they were escaped or sanitised, so an equivalent that were
// "<" or "\"" would turn escaped text back into markup.
constexpr Cp932Equivalent EQUIVALENTS[] = {
    {U'\u301C', "\uFF5E"}, {U'\u2016', "\u2225"}, {U'\u2212', "\uFF0D"}, {U'\u00A2', "\uFFE0"},
    {U'\u00A3', "\uFFE1"}, {U'\u00AC', "\uFFE2"}, {U'\u2014', "\u2015"}, {U'\u2013', "-"},
    {U'\u00A0', " "},      {U'\u20AC', "EUR"},    {U'\u2022', "\u30FB"}, {U'\u00AB', "\u300A"},
    {U'\u00BB', "\u300B"}, {U'\u201E', "\u201C"}, {U'\u2039', "\u3008"}, {U'\u203A', "\u3009"},
};

// Base letters of U+00C0..U+00FF ("?" where there is none).
constexpr std::string_view LATIN1_LETTERS =
    "AAAAAAACEEEEIIIIDNOOOOO?OUUUUYTs"
    "aaaaaaaceeeeiiiidnooooo?ouuuuyty";

constexpr bool HoldsMarkup(std::string_view text) {
    return text.find_first_of(HTML_MARKUP_CHARACTERS) != std::string_view::npos;
}

constexpr bool AnyEquivalentHoldsMarkup() {
    for (const Cp932Equivalent& equivalent : EQUIVALENTS)
        if (HoldsMarkup(equivalent.to)) return true;
    return HoldsMarkup(LATIN1_LETTERS);
}
static_assert(!AnyEquivalentHoldsMarkup(), "an equivalent must never be HTML markup");

// The code point of the UTF-8 sequence at the start of text and its length; 0 length when the
// sequence is broken.
char32_t DecodeUtf8(std::string_view text, size_t& length) {
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    size_t count;
    char32_t value;
    if (lead < 0x80) {
        length = 1;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4, value = lead & 0x07;
    } else {
        length = 0;
        return 0;
    }
    if (text.size() < count) {
        length = 0;
        return 0;
    }
    for (size_t at = 1; at < count; ++at) {
        if ((byte(at) & 0xC0) != 0x80) {
            length = 0;
            return 0;
        }
        value = (value << 6) | (byte(at) & 0x3F);
    }
    const bool overlong = (count == 3 && value < 0x800) || (count == 4 && value < 0x10000);
    if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        length = 0;
        return 0;
    }
    length = count;
    return value;
}

// An owned iconv descriptor from UTF-8 to CP932.
class Converter {
public:
    Converter() : descriptor_(iconv_open("CP932", "UTF-8")) {}
    ~Converter() {
        if (Valid()) iconv_close(descriptor_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one whole, valid UTF-8 character; false when CP932 lacks it.
    bool Character(std::string_view utf8, std::string& out) {
        char* in = const_cast<char*>(utf8.data());
        size_t inLeft = utf8.size();
        char buffer[8];
        char* outAt = buffer;
        size_t outLeft = sizeof buffer;
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(descriptor_, &in, &inLeft, &outAt, &outLeft) == static_cast<size_t>(-1))
            return false;
        out.append(buffer, static_cast<size_t>(outAt - buffer));
        return true;
    }

private:
    iconv_t descriptor_;
};

void AppendUnmappable(Converter& converter, char32_t code, std::string& out) {
    for (const Cp932Equivalent& equivalent : EQUIVALENTS)
        if (equivalent.from == code && converter.Character(equivalent.to, out)) return;
    if (code >= 0xC0 && code <= 0xFF) {
        out += LATIN1_LETTERS[code - 0xC0];
        return;
    }
    out += '?';
}
}  // namespace

std::span<const Cp932Equivalent> Cp932Equivalents() { return EQUIVALENTS; }

std::string Utf8ToCp932(std::string_view utf8) {
    // An iconv descriptor keeps state between calls: each thread has its own.
    thread_local Converter converter;
    std::string out;
    out.reserve(utf8.size());
    size_t at = 0;
    while (at < utf8.size()) {
        // ASCII runs need no conversion.
        const unsigned char byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++at;
            continue;
        }
        size_t length = 0;
        const char32_t code = DecodeUtf8(utf8.substr(at), length);
        if (length == 0) {
            out += '?';
            ++at;
            continue;
        }
        if (!converter.Valid() || !converter.Character(utf8.substr(at, length), out))
            AppendUnmappable(converter, code, out);
        at += length;
    }
    return out;
}
