// Economic calendars as the weekly JSON export that MetaTrader news tools read: an array of
// objects such as
//
//   {"title": "Non-Farm Employment Change", "country": "USD",
//    "date": "2026-12-11T08:30:00-05:00", "impact": "High", "forecast": "180K",
//    "previous": "175K"}
//
// read with nlohmann-json. Mapping:
//   title      the name (required)
//   date       ISO 8601; its offset decides the instant (civil time in the panel's zone without
//              one) (required)
//   country    a currency or country code (see country_codes.h); "All" and unknown codes draw no
//              flag
//   impact     High 5 (highlighted), Medium 3, Low 1, Non-Economic 1 (speeches, auctions: the
//              panel still lists them, at the lowest rank), missing or another word 3; Holiday
//              objects are skipped and counted like all-day events
//   forecast, previous, actual   the values (strings or numbers; empty or missing is none)
// Other members are ignored.
#pragma once

#include <string_view>

#include "publish/ical_calendar.h"

// True when the text (after a UTF-8 byte-order mark and white space) starts with "[".
bool LooksLikeJsonCalendar(std::string_view text);

// False, with the reason in `error`, for a text that is no JSON array, and for an element that
// is no object or has no title or no readable date (the message names its index, "[3]").
bool ReadJsonCalendar(std::string_view text, const ZoneClock& zone, CalendarReading& reading,
                      std::string& error);
