#include "publish/source_check.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "publish/notice_folder.h"
#include "publish/source_reading.h"

namespace {
size_t Lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

class Check {
public:
    explicit Check(std::string& report) : report_(report) { report_.clear(); }

    void Usable(const std::string& what, const std::string& found) {
        report_ += what + ": " + found + "\n";
    }
    void Unusable(const std::string& error) {
        report_ += "error: " + error + "\n";
        allUsable_ = false;
    }
    bool AllUsable() const { return allUsable_; }

private:
    std::string& report_;
    bool allUsable_ = true;
};

void CheckCalendars(const PublishOptions& options, const ZoneClock& zone,
                    const CalendarWindow& window, Check& check) {
    for (const std::string& source : options.calendars) {
        CalendarReading reading;
        std::string error;
        if (!ReadCalendarSource(source, zone, window, reading, error)) {
            check.Unusable(error);
            continue;
        }
        const size_t inside = static_cast<size_t>(
            std::count_if(reading.announcements.begin(), reading.announcements.end(),
                          [&](const Announcement& a) { return window.Contains(a.when); }));
        check.Usable("calendar " + source,
                     std::to_string(reading.announcements.size()) + " events (" +
                         std::to_string(inside) + " inside the days written), " +
                         std::to_string(reading.skippedAllDay) + " skipped (all-day or holiday)");
    }
}

void CheckNews(const PublishOptions& options, Check& check) {
    for (const std::string& source : options.news) {
        std::vector<FeedItem> items;
        std::string error;
        if (ReadNewsSource(source, items, error))
            check.Usable("news " + source, std::to_string(items.size()) + " news items");
        else
            check.Unusable(error);
    }
}

void CheckNotices(const PublishOptions& options, const ZoneClock& zone, Check& check) {
    if (options.noticeFolder.empty()) return;
    std::vector<FeedItem> notices;
    std::string error;
    if (ReadNoticeFolder(options.noticeFolder, zone, notices, error))
        check.Usable("notices " + options.noticeFolder,
                     std::to_string(notices.size()) + " notices");
    else
        check.Unusable(options.noticeFolder + ": " + error);
}

void CheckSignals(const PublishOptions& options, const ZoneClock& zone, Check& check) {
    if (options.signals.empty()) return;
    PollFiles files;
    std::string error;
    if (ReadPollSources(options, zone, files, error))
        check.Usable("signals " + options.signals,
                     std::to_string(Lines(files.signals)) + " signals, " +
                         std::to_string(Lines(files.traders)) + " traders, " +
                         std::to_string(Lines(files.messages)) + " messages");
    else
        check.Unusable(error);
}

void CheckOutput(const PublishOptions& options, Check& check) {
    if (options.outFolder.empty()) return;
    std::error_code ignored;
    if (!std::filesystem::is_directory(options.outFolder, ignored))
        check.Unusable(options.outFolder + ": the output folder does not exist");
    else if (access(options.outFolder.c_str(), W_OK) != 0)
        check.Unusable(options.outFolder + ": the output folder cannot be written");
    else
        check.Usable("output " + options.outFolder, "writable");
}
}  // namespace

bool CheckSources(const PublishOptions& options, int64_t now, std::string& report) {
    Check check(report);
    const std::optional<ZoneClock> zone = ZoneClock::ForZone(options.zone);
    if (!zone) {
        check.Unusable("--tz " + options.zone + ": no such time zone");
        return false;
    }
    const CalendarWindow window = AnnouncementWindow(options, now);
    CheckCalendars(options, *zone, window, check);
    CheckNews(options, check);
    CheckNotices(options, *zone, check);
    CheckSignals(options, *zone, check);
    CheckOutput(options, check);
    return check.AllUsable();
}
