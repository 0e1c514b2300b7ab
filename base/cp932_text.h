// Text operations that know CP932's double-byte characters, whose second byte may equal an
// ASCII letter or a backslash.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True for a byte that starts a double-byte CP932 character.
bool IsCp932LeadByte(unsigned char byte);

// The position of the last single-byte character of text that is one of chars; npos when there
// is none. The second byte of a double-byte character never counts, though it may equal "\\".
size_t FindLastOfMbcs(std::string_view text, std::string_view chars);
// The position of the first single-byte character of text at or after from (which starts a
// character) that is one of chars; npos when there is none. Second bytes never count, so the
// 0x7C of "ポ" is no "|" and the 0x5C of "表" no "\\".
size_t FindFirstOfMbcs(std::string_view text, std::string_view chars, size_t from = 0);
// text, with c appended unless its last character already is c (a second byte is not).
std::string WithTrailingMbcs(std::string text, char c);
// text with its ASCII letters lowered; double-byte characters are copied whole, since their
// second byte may look like a letter. Windows paths compare so, ignoring case.
std::string LowerAsciiLetters(std::string_view text);

// Replaces every occurrence of find, scanning on after each inserted replacement. An occurrence
// that starts on the second byte of a double-byte character is left alone, so "\" -> "/" never
// touches the 0x5C inside a character such as 表.
void ReplaceAllMbcs(std::string& text, std::string_view find, std::string_view replacement);
