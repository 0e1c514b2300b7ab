// The text operations that the feeds and the local files are cut apart and put together with.
//
// A text is a CP932 byte string. Searches are byte-exact; only ReplaceAllMbcs looks at
// double-byte characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Follows every field of a line file, the last one of a line included.
inline constexpr char FIELD_SEP = '\x07';

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

// Finds the first delimiter: head := the bytes before it, text := the bytes after it.
// Without one, returns false and changes neither.
bool SplitFirst(std::string& text, std::string& head, std::string_view delimiter);

// Field n (from 0) between delimiters; the last field runs to the end. With fewer than n
// delimiters, returns false and leaves field unchanged.
bool FieldAt(std::string_view text, int index, std::string_view delimiter, std::string& field);

// Non-overlapping occurrences from the left; 0 for an empty delimiter.
int CountOccurrences(std::string_view text, std::string_view delimiter);

// The first / last n bytes; the whole text when it is shorter.
std::string LeftBytes(std::string_view text, size_t n);
std::string RightBytes(std::string_view text, size_t n);

// Remove every repetition of the suffix at the end / the prefix at the start.
void TrimSuffix(std::string& text, std::string_view suffix);
void TrimPrefix(std::string& text, std::string_view prefix);

// Replaces every occurrence of find, scanning on after each inserted replacement. An occurrence
// that starts on the second byte of a double-byte character is left alone, so "\" -> "/" never
// touches the 0x5C inside a character such as 表.
void ReplaceAllMbcs(std::string& text, std::string_view find, std::string_view replacement);

// Lines end at LF; trailing CRs are removed; bytes after the last LF are dropped.
std::vector<std::string> SplitLines(std::string_view text);

// Every line, the last one included, followed by the separator.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator = "\n");

// Appends the value as "%08X" (two's complement for negative values), then the separator.
void AppendHexField(std::string& text, uint32_t value, char separator = FIELD_SEP);
// Appends the field text, then the separator.
void AppendTextField(std::string& text, std::string_view field, char separator = FIELD_SEP);

// Takes the next field up to the separator and reads up to eight hexadecimal digits.
// 0 when the separator is missing (text stays) or the field holds no hexadecimal number.
int32_t TakeHexField(std::string& text, char separator = FIELD_SEP);
// Takes the next field up to the separator; empty (and text unchanged) when it is missing.
std::string TakeTextField(std::string& text, char separator = FIELD_SEP);

// Up to eight leading hexadecimal digits (after spaces) as a 32-bit value; 0 when there are none.
int32_t ReadHex(std::string_view text);
// Leading decimal digits with an optional sign, after spaces, as atoi reads them; 0 when there
// are none. Values beyond the 32-bit range are clamped to it.
int32_t ReadDecimal(std::string_view text);

#if defined(__clang__)
#define PELIMOR_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define PELIMOR_PRINTF_FORMAT __attribute__((format(gnu_printf, 1, 2)))
#endif

// printf into a std::string, sized to what the format produces.
std::string FormatText(const char* format, ...) PELIMOR_PRINTF_FORMAT;
