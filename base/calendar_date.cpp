#include "base/calendar_date.h"

#include "base/local_time.h"

CalendarDate LocalDateOf(int64_t secondsSince1970) {
    LocalTime local = ToLocalTime(secondsSince1970);
    return CalendarDate{local.year, local.month, local.day};
}
