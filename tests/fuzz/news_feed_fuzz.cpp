// An arbitrary feed merged into a store gives items whose texts fit a line of the local file, and
// a file text that reads back to the same items. (Their order may differ: an item whose time a
// later line of the feed changed moves to its place only when loaded.) All in memory; the file
// writes have their own tests.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/news_store.h"

namespace {
bool FitsALine(const std::string& text) {
    return text.find_first_of(std::string("\n\0\x07", 3)) == std::string::npos;
}

// The items in the order of their ids (a store holds each id once), so two stores compare item
// by item.
std::vector<const iaNews*> ById(const NewsStore& store) {
    std::vector<const iaNews*> items = store.ItemsFromNewest();
    std::sort(items.begin(), items.end(),
              [](const iaNews* a, const iaNews* b) { return a->id < b->id; });
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
    NewsStore notices(false);
    notices.MergeFeed(feed, true);
    // The merged items hold the texts as parsed (the last line of an id wins).
    for (const iaNews* item : notices.ItemsFromNewest())
        if (!FitsALine(item->title) || !FitsALine(item->body)) std::abort();
    const int count = notices.Count();
    notices.MergeFeed(feed, true);  // the same feed again keeps every item
    NewsStore reloaded(false);
    reloaded.LoadText(notices.FileText());
    if (notices.Count() != count || reloaded.Count() != count) std::abort();
    const std::vector<const iaNews*> merged = ById(notices);
    const std::vector<const iaNews*> saved = ById(reloaded);
    for (size_t index = 0; index < merged.size(); ++index)
        if (!SameItem(*merged[index], *saved[index])) std::abort();
    return 0;
}
