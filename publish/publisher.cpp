#include "publish/publisher.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "base/program_version.h"
#include "publish/utf8_to_cp932.h"
#include "publish/item_ids.h"
#include "publish/notice_folder.h"
#include "publish/output_folder_lock.h"
#include "publish/source_reading.h"
#include "publish/staged_output.h"
#include "base/euc_jp.h"
#include "store/indicator_feed.h"
#include "base/line_file.h"
#include "store/news_feed.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"
#include "base/server_files.h"

namespace {
bool ReadCalendars(const PublishOptions& options, const ZoneClock& zone,
                   const CalendarWindow& window, std::vector<Announcement>& announcements,
                   PublishSummary& summary, std::string& error) {
    for (const std::string& source : options.calendars) {
        CalendarReading reading;
        if (!ReadCalendarSource(source, zone, window, reading, error)) return false;
        summary.skippedAllDay += reading.skippedAllDay;
        for (Announcement& announcement : reading.announcements)
            if (window.Contains(announcement.when))
                announcements.push_back(std::move(announcement));
    }
    return true;
}

// Gives every item of one feed kind its stable id; an item already taken from an earlier
// source (same key) is left out.
std::vector<NumberedItem> Numbered(std::vector<FeedItem> items, const std::string& prefix,
                                   ItemIds& ids, int64_t now) {
    std::vector<NumberedItem> numbered;
    std::set<std::string> keys;
    for (FeedItem& item : items) {
        const std::string key = prefix + item.key;
        if (!keys.insert(key).second) continue;
        const ItemIds::Entry entry = ids.IdFor(key, now);
        numbered.push_back(
            NumberedItem{entry.id, item.when.value_or(entry.firstSeen), std::move(item)});
    }
    return numbered;
}

bool ReadNews(const PublishOptions& options, std::vector<FeedItem>& items, std::string& error) {
    for (const std::string& source : options.news)
        if (!ReadNewsSource(source, items, error)) return false;
    return true;
}

std::string ExistingFile(const std::string& folder, const char* name) {
    std::string bytes;
    ReadTextFile(folder + "/" + name, bytes, true);
    return bytes;
}

// The update counter moves only when the trader, message or signal file changes; it never
// falls below the run's time, so that a folder made afresh still moves past a panel's counter.
int32_t NextPollCounter(const std::string& folder, const PollFiles& files, int64_t now) {
    const int32_t previous = ReadDecimal(ExistingFile(folder, POLL_COUNTER_FILE));
    const bool changed = ExistingFile(folder, POLL_TRADER_FILE) != files.traders ||
                         ExistingFile(folder, POLL_MESSAGE_FILE) != files.messages ||
                         ExistingFile(folder, POLL_SIGNAL_FILE) != files.signals;
    if (!changed && previous != 0) return previous;
    const int64_t next = std::max<int64_t>(int64_t{previous} + 1, now);
    return static_cast<int32_t>(std::min<int64_t>(next, INT32_MAX));
}

int ReleaseNumber(const PublishOptions& options) {
    return options.version ? options.version : PROGRAM_VERSION_MAJOR * 1000 + PROGRAM_VERSION_MINOR;
}

// The names that need a date to stay apart: one name and country at several instants.
std::string DatedName(const Announcement& announcement, const ZoneClock& zone, bool withTime) {
    const LocalTime at = zone.ToLocal(announcement.when);
    return announcement.name +
           (withTime ? FormatText(" (%d/%d %d:%02d)", at.month, at.day, at.hour, at.minute)
                     : FormatText(" (%d/%d)", at.month, at.day));
}

// Linear in the announcements (n log n with the maps): one name may occur a hundred thousand
// times in a hostile calendar.
void DisambiguateNames(std::vector<Announcement>& announcements, const ZoneClock& zone) {
    std::map<std::pair<std::string, int32_t>, std::vector<Announcement*>> byNameAndCountry;
    for (Announcement& announcement : announcements)
        byNameAndCountry[{announcement.name, announcement.country}].push_back(&announcement);
    for (auto& [key, occurrences] : byNameAndCountry) {
        if (occurrences.size() < 2) continue;
        std::vector<int> days;
        std::map<int, int> perDay;
        for (const Announcement* announcement : occurrences) {
            const LocalTime at = zone.ToLocal(announcement->when);
            days.push_back((at.year * 100 + at.month) * 100 + at.day);
            ++perDay[days.back()];
        }
        for (size_t index = 0; index < occurrences.size(); ++index)
            occurrences[index]->name =
                DatedName(*occurrences[index], zone, perDay[days[index]] > 1);
    }
}

IndicatorRecord RecordOf(const Announcement& announcement) {
    IndicatorRecord record;
    record.when = announcement.when;
    record.name = Utf8ToCp932(announcement.name);
    record.forecast = Utf8ToCp932(announcement.forecast);
    record.previous = Utf8ToCp932(announcement.previous);
    record.result = Utf8ToCp932(announcement.result);
    record.country = announcement.country;
    record.rank = announcement.rank;
    record.highlight = announcement.highlight;
    return record;
}
}  // namespace

std::string IndicatorFeedText(std::vector<Announcement> announcements, const ZoneClock& zone) {
    std::stable_sort(announcements.begin(), announcements.end(),
                     [](const Announcement& a, const Announcement& b) { return a.when < b.when; });
    std::set<std::tuple<std::string, int32_t, int64_t>> seen;
    std::erase_if(announcements, [&](const Announcement& announcement) {
        return !seen.emplace(announcement.name, announcement.country, announcement.when).second;
    });
    DisambiguateNames(announcements, zone);
    std::string text;
    for (const Announcement& announcement : announcements)
        text += IndicatorFeedLine(zone.ToLocal(announcement.when), RecordOf(announcement)) + "\n";
    return text;
}

std::string NewsFeedText(const char* feedName, std::vector<NumberedItem> items, int64_t now) {
    std::stable_sort(items.begin(), items.end(), [](const NumberedItem& a, const NumberedItem& b) {
        return a.when != b.when ? a.when > b.when : a.id > b.id;
    });
    std::string text = NewsFeedHeaderLine(feedName, items.size(), now);
    for (const NumberedItem& numbered : items) {
        iaNews item;
        item.id = numbered.id;
        item.when = numbered.when;
        item.title = Utf8ToCp932(numbered.item.title);
        item.body = Utf8ToCp932(numbered.item.body);
        text += NewsFeedItemLine(item);
    }
    return Cp932ToEucJp(text);
}

bool Publish(const PublishOptions& options, int64_t now, PublishSummary& summary,
             std::string& error) {
    summary = PublishSummary{};
    const std::optional<ZoneClock> zone = ZoneClock::ForZone(options.zone);
    if (!zone) {
        error = "--tz " + options.zone + ": no such time zone";
        return false;
    }
    const CalendarWindow window = AnnouncementWindow(options, now);
    std::vector<Announcement> announcements;
    if (!ReadCalendars(options, *zone, window, announcements, summary, error)) return false;

    std::vector<FeedItem> newsItems;
    if (!ReadNews(options, newsItems, error)) return false;
    std::vector<FeedItem> notices;
    if (!options.noticeFolder.empty() &&
        !ReadNoticeFolder(options.noticeFolder, *zone, notices, error)) {
        error = options.noticeFolder + ": " + error;
        return false;
    }
    PollFiles pollFiles;
    if (!ReadPollSources(options, *zone, pollFiles, error)) return false;

    // Taken once the sources are read (which may take minutes over the network), so that a
    // run waits only for the other's reading of the folder state and writing of its files.
    OutputFolderLock lock;
    if (!lock.Take(options.outFolder, options.lockWaitSeconds, error)) return false;
    ItemIds ids(ExistingFile(options.outFolder, ITEM_ID_STATE_FILE));
    std::vector<NumberedItem> numberedNews = Numbered(std::move(newsItems), "news:", ids, now);
    std::vector<NumberedItem> numberedNotices = Numbered(std::move(notices), "notice:", ids, now);
    summary.newsItems = numberedNews.size();
    summary.notices = numberedNotices.size();
    summary.pollCounter = NextPollCounter(options.outFolder, pollFiles, now);

    StagedOutput output;
    const std::string indicatorFeed = IndicatorFeedText(std::move(announcements), *zone);
    summary.announcements =
        static_cast<size_t>(std::count(indicatorFeed.begin(), indicatorFeed.end(), '\n'));
    output.Add(INDICATOR_FEED_FILE, indicatorFeed);
    output.Add(NEWS_FEED_FILE, NewsFeedText("QZNNEWS", std::move(numberedNews), now));
    output.Add(NOTICE_FEED_FILE, NewsFeedText("QZNINFO", std::move(numberedNotices), now));
    output.Add(RELEASE_NUMBER_FILE, std::to_string(ReleaseNumber(options)) + "\n");
    output.Add(ACCESS_REPORT_FILE, "OK\n");
    output.Add(POLL_TRADER_FILE, pollFiles.traders);
    output.Add(POLL_MESSAGE_FILE, pollFiles.messages);
    output.Add(POLL_SIGNAL_FILE, pollFiles.signals);
    // Last, so that a panel which sees the new counter finds the new files.
    output.Add(POLL_COUNTER_FILE, std::to_string(summary.pollCounter) + "\n");
    output.Add(ITEM_ID_STATE_FILE, ids.StateText(now));
    return output.Commit(options.outFolder, error);
}
