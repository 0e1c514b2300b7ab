// One run of pelimor-publish: every source read, every output file built, then all of them
// replaced at once (or none, when any source fails).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "publish/announcement.h"
#include "publish/feed_item.h"
#include "publish/publish_options.h"
#include "publish/zone_clock.h"

// The state file in the output folder that keeps news and notice ids across runs.
inline constexpr const char* ITEM_ID_STATE_FILE = "pelimor-publish.state";

struct PublishSummary {
    size_t announcements = 0;
    int skippedAllDay = 0;
    size_t newsItems = 0;
    size_t notices = 0;
    int32_t pollCounter = 0;
};

// `now` is the run's time (seconds since 1970): it bounds the announcements and dates items
// that carry no time. False, with a message that names the source, for any failure; the output
// folder is then left as it was.
bool Publish(const PublishOptions& options, int64_t now, PublishSummary& summary,
             std::string& error);

// The indicator feed of the announcements: duplicates (same name, country and instant) removed,
// lines in time order, dates and times in `zone`, texts in CP932. A name and country that occur
// at more than one instant get the date " (M/D)" appended (and the time where a day holds more),
// because the panel keeps one announcement per name and country.
std::string IndicatorFeedText(std::vector<Announcement> announcements, const ZoneClock& zone);

// A news feed file ("qznnews.dat", "qzninfo.dat") in EUC-JP, items newest first.
struct NumberedItem {
    int32_t id;
    int64_t when;
    FeedItem item;
};
std::string NewsFeedText(const char* feedName, std::vector<NumberedItem> items, int64_t now);
