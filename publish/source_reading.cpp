#include "publish/source_reading.h"

#include <cctype>
#include <iterator>

#include "publish/csv_calendar.h"
#include "publish/json_calendar.h"
#include "publish/source_bytes.h"
#include "publish/syndication_feed.h"

namespace {
bool IsICalendar(std::string_view text) {
    size_t at = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    std::string start(text.substr(at, 15));
    for (char& c : start) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return start == "BEGIN:VCALENDAR" || start.starts_with("BEGIN:VEVENT");
}

bool ReadSource(const std::string& source, std::string& bytes, std::string& error) {
    std::string reason;
    if (ReadSourceBytes(source, bytes, reason)) return true;
    error = source + ": " + reason;
    return false;
}
}  // namespace

bool ReadCalendarSource(const std::string& source, const ZoneClock& zone,
                        const CalendarWindow& window, CalendarReading& reading,
                        std::string& error) {
    std::string bytes;
    if (!ReadSource(source, bytes, error)) return false;
    std::string reason;
    const bool read = IsICalendar(bytes) ? ReadICalendar(bytes, zone, window, reading, reason)
                      : LooksLikeJsonCalendar(bytes)
                          ? ReadJsonCalendar(bytes, zone, reading, reason)
                          : ReadCsvCalendar(bytes, zone, reading, reason);
    if (!read) error = source + ": " + reason;
    return read;
}

bool ReadNewsSource(const std::string& source, std::vector<FeedItem>& items, std::string& error) {
    std::string bytes;
    if (!ReadSource(source, bytes, error)) return false;
    std::vector<FeedItem> feed;
    std::string reason;
    if (!ReadSyndicationFeed(bytes, feed, reason)) {
        error = source + ": " + reason;
        return false;
    }
    std::move(feed.begin(), feed.end(), std::back_inserter(items));
    return true;
}

bool ReadPollSources(const PublishOptions& options, const ZoneClock& zone, PollFiles& files,
                     std::string& error) {
    if (options.signals.empty()) return true;
    std::string signals, traders, messages;
    if (!ReadSource(options.signals, signals, error) ||
        !ReadSource(options.traders, traders, error) ||
        !ReadSource(options.messages, messages, error))
        return false;
    return ReadSignalSources(traders, messages, signals, zone, files, error);
}
