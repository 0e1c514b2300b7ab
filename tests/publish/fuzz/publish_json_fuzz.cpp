// An arbitrary text read as a JSON calendar never crashes the reader, and what it accepts
// becomes whole lines of the indicator feed: at most one a read announcement.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "publish/json_calendar.h"
#include "publish/publisher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ZoneClock zone = *ZoneClock::ForZone("America/New_York");
    const std::string text(reinterpret_cast<const char*>(data), size);
    CalendarReading reading;
    std::string error;
    if (ReadJsonCalendar(text, zone, reading, error)) {
        if (!LooksLikeJsonCalendar(text)) std::abort();
        const size_t count = reading.announcements.size();
        const std::string feed = IndicatorFeedText(std::move(reading.announcements), zone);
        if (static_cast<size_t>(std::count(feed.begin(), feed.end(), '\n')) > count) std::abort();
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
