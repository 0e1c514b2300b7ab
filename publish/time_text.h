// Dates and times as calendar and news sources write them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "publish/zone_clock.h"

// ISO 8601 / RFC 3339: "2026-12-09T21:30:00+09:00", "2026-12-09 21:30", "2026-12-09T12:30Z",
// "2026/12/9 21:30" (seconds and fractions optional). A time without offset is civil time in
// `zone`. None for anything else, or for a date or time that does not exist.
std::optional<int64_t> ParseIsoDateTime(std::string_view text, const ZoneClock& zone);

// A date ("2026-12-09" or "2026/12/9") and a time ("21:30" or "21:30:00") in `zone`.
std::optional<int64_t> ParseDateAndTime(std::string_view date, std::string_view time,
                                        const ZoneClock& zone);

// RFC 822 / RFC 2822 as RSS writes it: "Wed, 09 Dec 2026 18:00:00 +0900", "9 Dec 2026 18:00
// GMT", two-digit years and the US zone names included. None for anything else.
std::optional<int64_t> ParseRfc822DateTime(std::string_view text);

// A civil time in UTC as seconds since 1970; none when the fields name no real time.
std::optional<int64_t> UtcSeconds(int year, int month, int day, int hour, int minute, int second);

// A notice's leading "YYYY-MM-DD HH:MM" in `zone`; `length` receives the characters it used.
std::optional<int64_t> ParseLeadingMinute(std::string_view text, const ZoneClock& zone,
                                          size_t& length);
