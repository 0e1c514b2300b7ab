// Conversion between seconds since 1970 and the computer's local calendar time.
#pragma once

#include <cstdint>

struct LocalTime {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4;  // 0 = Sunday
};

LocalTime ToLocalTime(int64_t secondsSince1970);

// Daylight saving is decided by the runtime library. Out-of-range fields are normalised the way
// mktime does (day 32 of January is 1 February). Returns -1 when the time cannot be represented.
int64_t FromLocalTime(int year, int month, int day, int hour, int minute, int second);
