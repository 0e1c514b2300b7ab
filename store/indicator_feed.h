// The indicator feed "iadat2.dat": one announcement per line, nine fields separated by "##"
// (date, time, country, name, highlight, result, forecast, previous, rank).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/local_time.h"
#include "store/indicator_record.h"

// The announcements of a fetched feed's body, in feed order (the HTTP head is the download's
// business: an empty line here is only an empty line). Each record carries when, name, forecast,
// result, previous, country, rank and highlight; notify, muted, firedAlerts and id are left for the
// store to decide.
//
// A line whose date or time is no real calendar time (month 13, 30 February, 25:00, a lone CR)
// is left out, and so is one whose time the indicator file cannot hold (before 1970 or after
// 2106): written as its low 32 bits it would come back as a wrong date, perhaps in the future.
std::vector<IndicatorRecord> ParseIndicatorFeed(std::string_view feed);

// The feed line that ParseIndicatorFeed reads back as the record's name, values, country, rank
// and highlight at the local date and time `at` (minutes; seconds are not in the format). The
// texts are made safe for a line: "&" is written as "&amp;" in the name, as the reader expects;
// "#" becomes the full-width "＃" so that no "##" can form inside or at the edge of a field;
// CR, LF, 0x07 and NUL become spaces.
std::string IndicatorFeedLine(const LocalTime& at, const IndicatorRecord& record);
