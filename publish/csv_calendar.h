// Economic calendars as CSV (UTF-8, RFC 4180) with a header row naming the columns:
//
//   datetime  ISO 8601 with an offset, or civil time in the panel's zone without one
//   date, time  instead of datetime ("2026-12-09", "21:30")
//   country   a code (see country_codes.h) or the panel's index number 0..15
//   name, rank (a number 1..5 or a word, see rank_words.h), forecast, previous, result,
//   highlight (a number; 0 or empty is none; without the column rank 5 is highlighted)
//
// Columns may come in any order; unknown columns are ignored.
#pragma once

#include <string>
#include <string_view>

#include "publish/ical_calendar.h"

// False, with the line and reason in `error`, for broken CSV, a header without name or time
// columns, and a row whose time or country cannot be read.
bool ReadCsvCalendar(std::string_view text, const ZoneClock& zone, CalendarReading& reading,
                     std::string& error);
