#include "base/local_time.h"

#include <ctime>

#include "base/local_clock.h"

LocalTime ToLocalTime(int64_t secondsSince1970) {
    std::time_t time = static_cast<std::time_t>(secondsSince1970);
    std::tm parts{};
    if (!SplitLocalTime(time, parts)) return LocalTime{};
    LocalTime local;
    local.year = parts.tm_year + 1900;
    local.month = parts.tm_mon + 1;
    local.day = parts.tm_mday;
    local.hour = parts.tm_hour;
    local.minute = parts.tm_min;
    local.second = parts.tm_sec;
    local.weekday = parts.tm_wday;
    return local;
}

int64_t FromLocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&parts));
}
