// Civil time in one IANA time zone (the zone the panel shows times in, or a source's zone),
// with its daylight-saving rules, from the system's zone database through libical.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/local_time.h"

struct _icaltimezone;

class ZoneClock {
public:
    // None when the system knows no zone of that name.
    static std::optional<ZoneClock> ForZone(const std::string& name);

    // Seconds since 1970 of a civil time in the zone. A time skipped by a daylight-saving change
    // is taken as the zone's rules shift it; a repeated one as its first occurrence.
    int64_t ToUtc(int year, int month, int day, int hour, int minute, int second) const;
    LocalTime ToLocal(int64_t secondsSince1970) const;

    _icaltimezone* Zone() const { return zone_; }

private:
    explicit ZoneClock(_icaltimezone* zone) : zone_(zone) {}

    _icaltimezone* zone_;  // owned by libical's table of built-in zones
};
