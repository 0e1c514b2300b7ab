#include "publish/zone_clock.h"

#include <libical/ical.h>

std::optional<ZoneClock> ZoneClock::ForZone(const std::string& name) {
    if (name == "UTC" || name == "Etc/UTC") return ZoneClock(icaltimezone_get_utc_timezone());
    icaltimezone* zone = icaltimezone_get_builtin_timezone(name.c_str());
    if (!zone) return std::nullopt;
    return ZoneClock(zone);
}

int64_t ZoneClock::ToUtc(int year, int month, int day, int hour, int minute, int second) const {
    icaltimetype civil = icaltime_null_time();
    civil.year = year;
    civil.month = month;
    civil.day = day;
    civil.hour = hour;
    civil.minute = minute;
    civil.second = second;
    civil.is_date = 0;
    return static_cast<int64_t>(icaltime_as_timet_with_zone(civil, zone_));
}

LocalTime ZoneClock::ToLocal(int64_t secondsSince1970) const {
    const icaltimetype civil =
        icaltime_from_timet_with_zone(static_cast<time_t>(secondsSince1970), 0, zone_);
    LocalTime local;
    local.year = civil.year;
    local.month = civil.month;
    local.day = civil.day;
    local.hour = civil.hour;
    local.minute = civil.minute;
    local.second = civil.second;
    local.weekday = icaltime_day_of_week(civil) - 1;
    return local;
}
