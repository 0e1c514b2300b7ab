// The fields of the program's line files: hexadecimal numbers and texts, each followed by a
// separator, and the lenient number readers the files and the feeds are read with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Follows every field of a line file, the last one of a line included.
inline constexpr char FIELD_SEP = '\x07';

// Appends the value as "%08X" (two's complement for negative values), then the separator.
void AppendHexField(std::string& text, uint32_t value, char separator = FIELD_SEP);
// Appends the field text, then the separator.
void AppendTextField(std::string& text, std::string_view field, char separator = FIELD_SEP);

// The readers take a field off the front of a view of the line, so a line is read without copies.
// Takes the next field up to the separator and reads up to eight hexadecimal digits.
// 0 when the separator is missing (text stays) or the field holds no hexadecimal number.
int32_t TakeHexField(std::string_view& text, char separator = FIELD_SEP);
// Takes the next field up to the separator; empty (and text unchanged) when it is missing.
std::string TakeTextField(std::string_view& text, char separator = FIELD_SEP);

// Up to eight leading hexadecimal digits (after spaces) as a 32-bit value; 0 when there are none.
int32_t ReadHex(std::string_view text);
// Leading decimal digits with an optional sign, after spaces, as atoi reads them; 0 when there
// are none. Values beyond the 32-bit range are clamped to it.
int32_t ReadDecimal(std::string_view text);
