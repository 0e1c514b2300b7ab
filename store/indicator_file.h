// The line format of the indicator file "iaindex2.dat": eleven fields, each followed by 0x07 --
// when (low 32 bits), name, forecast, result, previous, country, rank, highlight, fired alerts,
// flags (bit 0 notify, bit 1 muted) and id; numbers as eight upper-case hexadecimal digits.
#pragma once

#include <string>
#include <string_view>

#include "store/indicator_record.h"

// Appends the record's line, ended by CR LF.
void AppendIndicatorFileLine(std::string& text, const IndicatorRecord& record);

// The record of one line (line end already removed). A missing field reads as empty text or 0;
// the time comes back with a zero high part and "&amp;" in the name becomes "&".
IndicatorRecord ReadIndicatorFileLine(std::string_view line);

// What writing the record's line and reading it back changes: the time keeps its low 32 bits and
// "&amp;" in the name becomes "&". (Texts never hold 0x07, LF or NUL, which the line would lose.)
void AsReadBack(IndicatorRecord& record);
