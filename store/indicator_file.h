// The line format of the indicator file "iaindex2.dat": eleven fields, each followed by 0x07 --
// when (low 32 bits), name, forecast, result, previous, country, rank, highlight, fired alerts,
// flags (bit 0 notify, bit 1 muted) and id; numbers as eight upper-case hexadecimal digits.
#pragma once

#include <string>
#include <string_view>

#include "store/indicator_record.h"

// Appends the record's line without its line end.
void AppendIndicatorFileLine(std::string& text, const IndicatorRecord& record);

// The record of one line (line end already removed). A missing field reads as empty text or 0;
// the time comes back with a zero high part and "&amp;" in the name becomes "&".
IndicatorRecord ReadIndicatorFileLine(std::string_view line);
