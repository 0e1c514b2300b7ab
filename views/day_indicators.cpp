#include "views/day_indicators.h"

#include "base/local_time.h"

namespace {
// Every instant of a local date lies within this distance of its noon, whatever the zone's
// changes: a day is at most 25 hours long, and even a zone that skips a whole date keeps its
// neighbours within a day and a half of their noons.
constexpr int64_t HALF_WINDOW_SECONDS = 36 * 3600;
}  // namespace

std::vector<int32_t> IndicatorIdsOn(const IndicatorStore& store, const CalendarDate& date) {
    std::vector<int32_t> ids;
    // Noon exists on every day; midnight does not where the clocks change at 00:00, and the
    // runtime may then give a time of the day before.
    int64_t noon = FromLocalTime(date.year, date.month, date.day, 12, 0, 0);
    if (noon == -1) return ids;
    // The store is in time order; the records of the window are picked by their own local date.
    for (auto entry = store.FirstAfter(noon - HALF_WINDOW_SECONDS - 1);
         entry != store.All().end() && entry->first <= noon + HALF_WINDOW_SECONDS; ++entry) {
        if (LocalDateOf(entry->first) == date) ids.push_back(entry->second.id);
    }
    return ids;
}
