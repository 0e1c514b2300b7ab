// An arbitrary text read as an iCalendar never crashes the reader, and every announcement it
// gives is written as one feed line that the panel's reader reads back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "publish/ical_calendar.h"
#include "publish/publisher.h"
#include "store/indicator_feed.h"
#include "tests/publish/fuzz/hostile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ZoneClock zone = *ZoneClock::ForZone("Asia/Tokyo");
    // Texts with the characters CP932 lacks, which become close equivalents.
    const std::string text =
        WithEquivalentCharacters(std::string_view(reinterpret_cast<const char*>(data), size));
    CalendarReading reading;
    std::string error;
    // A year around 2026, so that recurring events expand into a bounded window.
    const CalendarWindow window{1767225600, 1767225600 + 40 * 86400};
    if (!ReadICalendar(text, zone, window, reading, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    std::erase_if(reading.announcements,
                  [&](const Announcement& a) { return !window.Contains(a.when); });
    const size_t count = reading.announcements.size();
    const std::string feed = IndicatorFeedText(std::move(reading.announcements), zone);
    if (static_cast<size_t>(std::count(feed.begin(), feed.end(), '\n')) > count) std::abort();
    return 0;
}
