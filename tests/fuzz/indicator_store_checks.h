// What every load and merge of the indicator store promises, checked after arbitrary input, and
// a clock that stands still, so that the two-year expiry cannot move between a merge and the
// load that checks it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

#include "base/os.h"
#include "store/indicator_store.h"

// The targets work in memory: nothing here needs a program folder.
class FixedClock : public OsSeam {
public:
    static constexpr int64_t NOW = 1700000000;  // 2023-11-14 22:13:20 UTC
    FixedClock() : installed_(*this) {}
    int64_t Now() override { return NOW; }

private:
    ScopedOs installed_;
};

// Time order, keys equal to the times, one record per name and country, unique nonzero ids that
// find their records, and the next alert target as a plain walk finds it.
inline void CheckIndicatorStore(const IndicatorStore& store) {
    std::set<std::pair<std::string, int32_t>> names;
    std::set<int32_t> ids;
    int64_t previous = INT64_MIN;
    const IndicatorRecord* firstTarget = nullptr;
    for (const auto& [when, record] : store.All()) {
        if (when != record.when || when < previous) std::abort();
        previous = when;
        if (!names.emplace(record.name, record.country).second) std::abort();
        if (record.id == 0 || !ids.insert(record.id).second) std::abort();
        if (store.FindById(record.id) != &record) std::abort();
        if (!firstTarget && when > FixedClock::NOW && record.notify && !record.muted)
            firstTarget = &record;
    }
    if (store.NextAlertTarget(FixedClock::NOW) != firstTarget) std::abort();
}
