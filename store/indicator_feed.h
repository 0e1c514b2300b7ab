// The indicator feed "iadat2.dat": one announcement per line, nine fields separated by "##"
// (date, time, country, name, highlight, result, forecast, previous, rank).
#pragma once

#include <string_view>
#include <vector>

#include "store/indicator_record.h"

// The announcements of a fetched feed, in feed order. An HTTP header in front of the text is cut
// off. Each record carries when, name, forecast, result, previous, country, rank and highlight;
// notify, muted, firedAlerts and id are left for the store to decide.
//
// A line whose date or time is no real calendar time (month 13, 30 February, 25:00, a lone CR)
// is left out, and so is one whose time the indicator file cannot hold (before 1970 or after
// 2106): written as its low 32 bits it would come back as a wrong date, perhaps in the future.
std::vector<IndicatorRecord> ParseIndicatorFeed(std::string_view feed);
