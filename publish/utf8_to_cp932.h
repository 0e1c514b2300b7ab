// UTF-8 text into the panel's CP932, never a broken byte sequence.
#pragma once

#include <span>
#include <string>
#include <string_view>

// The bytes that make HTML markup. No character outside ASCII ever becomes one of them, so a
// text escaped or sanitised before its conversion stays so after it.
inline constexpr std::string_view HTML_MARKUP_CHARACTERS = "<>\"'&";

// A character CP932 lacks and the UTF-8 text (of characters CP932 holds) written for it.
struct Cp932Equivalent {
    char32_t from;
    std::string_view to;
};

// Every character CP932 holds is converted; one it lacks becomes a close equivalent (the JIS
// forms of the wave dash, double vertical line, minus sign and the cent, pound and not signs,
// the horizontal bar for an em dash, "-" for an en dash, the CJK brackets 〈〉《》 for the
// single and double guillemets, “ for the low double quote, a plain letter for an accented Latin
// letter, a space for a no-break space) or else "?". Each byte of broken UTF-8 becomes "?".
std::string Utf8ToCp932(std::string_view utf8);

// The close equivalents of Utf8ToCp932, accented Latin letters (U+00C0..U+00FF) apart.
std::span<const Cp932Equivalent> Cp932Equivalents();
