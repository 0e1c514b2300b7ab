// An arbitrary text read as a CSV calendar, and as the three signal files, never crashes the
// readers; what they accept becomes whole lines of the panel's formats.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "publish/csv_calendar.h"
#include "publish/publisher.h"
#include "publish/signal_sources.h"
#include "store/indicator_feed.h"
#include "tests/publish/fuzz/hostile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ZoneClock zone = *ZoneClock::ForZone("Europe/London");
    // Texts with the characters CP932 lacks, which become close equivalents.
    const std::string text =
        WithEquivalentCharacters(std::string_view(reinterpret_cast<const char*>(data), size));
    CalendarReading reading;
    std::string error;
    if (ReadCsvCalendar(text, zone, reading, error)) {
        const size_t count = reading.announcements.size();
        const std::string feed = IndicatorFeedText(std::move(reading.announcements), zone);
        if (static_cast<size_t>(std::count(feed.begin(), feed.end(), '\n')) > count) std::abort();
    } else if (error.empty()) {
        std::abort();
    }
    PollFiles files;
    if (ReadSignalSources(text, text, text, zone, files, error)) {
        for (const std::string* file : {&files.traders, &files.messages, &files.signals})
            if (!file->empty() && file->back() != '\n') std::abort();
    }
    return 0;
}
