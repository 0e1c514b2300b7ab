// Economic calendars in iCalendar (RFC 5545), read with libical.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "publish/announcement.h"
#include "publish/zone_clock.h"

// The most occurrences one event's recurrence may give: an economic calendar repeats an
// announcement a few times a month, and a rule that expanded to every second of the window
// would take the run hours and fill the panel's store.
inline constexpr size_t MAX_OCCURRENCES_PER_EVENT = 10000;
// The most announcements one calendar may give, all its events together: twice what the panel's
// store keeps, so that many events of many occurrences each cannot fill the publisher's memory.
inline constexpr size_t MAX_ANNOUNCEMENTS_PER_CALENDAR = 200000;

struct CalendarReading {
    std::vector<Announcement> announcements;
    int skippedAllDay = 0;  // all-day events: no instant to announce
};

// Every VEVENT with a timed DTSTART becomes an announcement at that instant: a UTC time as it
// is, a TZID time in its zone (the calendar's VTIMEZONE, else the system's zone of that name),
// a floating time in `zone`. Recurring events give one announcement per occurrence inside the
// window; other events are kept whatever their time (the caller bounds them).
//
// SUMMARY is the name. The country is a CATEGORIES code or a code in front of the SUMMARY
// (removed from the name). The rank is X-IMPACT, else a CATEGORIES word, else PRIORITY (see
// rank_words.h); rank 5 is highlighted. DESCRIPTION lines "Forecast: ...", "Previous: ...",
// "Actual: ..." (also Consensus, Prior, Result and 予想, 前回, 結果) give the values.
//
// False, with the line and reason in `error`, for a text that is no calendar, an event without
// a readable DTSTART, an event in a zone that neither the calendar nor the system knows, an
// event that recurs more often than daily and one whose recurrence gives more than
// MAX_OCCURRENCES_PER_EVENT occurrences up to the window's end (all its RRULEs together, counted
// before any is kept; a rule with COUNT counts from its start; that message names the event by
// its SUMMARY), and for a calendar that gives more than MAX_ANNOUNCEMENTS_PER_CALENDAR.
bool ReadICalendar(std::string_view text, const ZoneClock& zone, const CalendarWindow& window,
                   CalendarReading& reading, std::string& error);
