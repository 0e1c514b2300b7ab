// UTF-8 text into the panel's CP932, never a broken byte sequence.
#pragma once

#include <string>
#include <string_view>

// Every character CP932 holds is converted; one it lacks becomes a close equivalent (the JIS
// forms of the wave dash, double vertical line, minus sign and the cent, pound and not signs,
// the horizontal bar for an em dash, "-" for an en dash, a plain letter for an accented Latin
// letter, a space for a no-break space) or else "?". Each byte of broken UTF-8 becomes "?".
std::string Utf8ToCp932(std::string_view utf8);
