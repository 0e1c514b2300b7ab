// The title and the text of a tray balloon as the shell's fixed fields can hold them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr size_t BALLOON_TITLE_BYTES = 63;
inline constexpr size_t BALLOON_TEXT_BYTES = 255;

// The text up to its first NUL, cut to at most maxBytes bytes. A cut never leaves the first
// byte of a double-byte character without its second, which would show as a broken character
// (or swallow the terminator).
std::string FitBalloonField(std::string_view text, size_t maxBytes);
