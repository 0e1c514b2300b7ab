// A day of the local calendar, as the calendar view selects it and the day-change check compares.
#pragma once

#include <cstdint>

struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31

    bool operator==(const CalendarDate&) const = default;
};

// The local date of a moment (seconds since 1970).
CalendarDate LocalDateOf(int64_t secondsSince1970);
