// The rows of the indicator list: the announcements of one calendar day.
#pragma once

#include <cstdint>
#include <vector>

#include "base/calendar_date.h"
#include "store/indicator_store.h"

// The ids of the records announced on that local date, in time order.
std::vector<int32_t> IndicatorIdsOn(const IndicatorStore& store, const CalendarDate& date);
