// Converts the news and notice feeds, which the data server publishes in EUC-JP, to the
// program's CP932, and back for the server's publisher.
//
// The conversion is arithmetic and needs no code-page support from the system, so every build
// converts alike. ASCII passes through; JIS X 0208 becomes the matching Shift-JIS pair; SS2
// (0x8E) half-width katakana becomes the single CP932 byte; the user-defined rows 85 to 94 land
// in CP932's user-defined area (0xF040-0xF4FC). A JIS X 0212 character (SS3, 0x8F) has no CP932
// code and becomes "?", and so does every broken sequence: the byte that broke it is converted
// afresh, so a line feed is never swallowed by a damaged character before it.
#pragma once

#include <string>
#include <string_view>

// The text ends at its first NUL byte, as every program text does.
std::string EucJpToCp932(std::string_view eucJp);

// The inverse of EucJpToCp932 for every CP932 character it can produce: JIS X 0208 pairs
// (leads 0x81-0x9F, 0xE0-0xEA, NEC row 13 included), half-width katakana (as SS2) and the
// user-defined area 0xF040-0xF4FC (EUC rows 85 to 94). A CP932 character with no EUC-JP code
// (the IBM extensions 0xED-0xEE and 0xFA-0xFC, the rest of the user area) and every broken
// pair becomes "?"; the byte that broke a pair is converted afresh, so a line feed is never lost.
// The text ends at its first NUL byte.
std::string Cp932ToEucJp(std::string_view cp932);
