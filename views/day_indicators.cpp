#include "views/day_indicators.h"

#include "base/local_time.h"

std::vector<int32_t> IndicatorIdsOn(const IndicatorStore& store, const CalendarDate& date) {
    std::vector<int32_t> ids;
    int64_t dayStart = FromLocalTime(date.year, date.month, date.day, 0, 0, 0);
    if (dayStart == -1) return ids;
    // The store is in time order: start at the day's first second and stop at the next day.
    for (auto entry = store.FirstAfter(dayStart - 1); entry != store.All().end(); ++entry) {
        if (LocalDateOf(entry->first) != date) break;
        ids.push_back(entry->second.id);
    }
    return ids;
}
