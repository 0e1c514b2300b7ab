// An arbitrary feed parses into items whose texts fit a line of the local file, and merging it
// into a store gives a file text that reads back to the same items. (Their order may differ: an
// item whose time a later line of the feed changed moves to its place only when loaded.) All in
// memory; the file writes have their own tests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "store/news_feed.h"
#include "store/news_store.h"

namespace {
bool FitsALine(const std::string& text) {
    return text.find_first_of(std::string("\n\0\x07", 3)) == std::string::npos;
}

// The items by id, gathered once: a search per item would make each run cubic in the feed.
std::map<int32_t, const iaNews*> ById(const NewsStore& store) {
    std::map<int32_t, const iaNews*> items;
    for (int position = 0; position < store.Count(); ++position) {
        const iaNews* item = store.ItemFromNewest(position);
        items.emplace(item->id, item);
    }
    return items;
}

bool SameItem(const iaNews& a, const iaNews& b) {
    return a.id == b.id && static_cast<uint32_t>(a.when) == b.when && a.title == b.title &&
           a.body == b.body && a.unread == b.unread && a.announced == b.announced &&
           a.advert == b.advert;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string feed(reinterpret_cast<const char*>(data), size);
    for (const iaNews& item : ParseNewsFeed(feed))
        if (!FitsALine(item.title) || !FitsALine(item.body)) std::abort();

    NewsStore notices(false);
    notices.MergeFeed(feed, true);
    const int count = notices.Count();
    notices.MergeFeed(feed, true);  // the same feed again keeps every item
    NewsStore reloaded(false);
    reloaded.LoadText(notices.FileText());
    if (notices.Count() != count || reloaded.Count() != count) std::abort();
    const std::map<int32_t, const iaNews*> saved = ById(reloaded);
    for (const auto& [id, item] : ById(notices)) {
        auto found = saved.find(id);
        if (found == saved.end() || !SameItem(*item, *found->second)) std::abort();
    }
    return 0;
}
