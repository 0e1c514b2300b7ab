// An arbitrary document read as an RSS or Atom feed never crashes the reader or the sanitiser,
// and every item it gives is written as one news line that the panel's reader reads back with
// the same id and exactly the markup bytes of the sanitised item: the conversion to CP932 and
// EUC-JP, close equivalents included, adds none.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "publish/publisher.h"
#include "publish/syndication_feed.h"
#include "base/euc_jp.h"
#include "store/news_feed.h"
#include "tests/publish/fuzz/hostile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text =
        WithEquivalentCharacters(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<FeedItem> items;
    std::string error;
    if (!ReadSyndicationFeed(text, items, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    std::vector<NumberedItem> numbered;
    std::vector<size_t> markup;
    int32_t id = 0;
    for (FeedItem& item : items) {
        markup.push_back(MarkupBytes(item.title) + MarkupBytes(item.body));
        numbered.push_back(NumberedItem{++id, item.when.value_or(0), std::move(item)});
    }
    const std::vector<iaNews> read =
        ParseNewsFeed(EucJpToCp932(NewsFeedText("QZNNEWS", numbered, 0)));
    if (read.size() != numbered.size()) std::abort();
    for (const iaNews& item : read) {
        if (item.id < 1 || item.id > id || item.advert) std::abort();
        if (MarkupBytes(item.title) + MarkupBytes(item.body) != markup[item.id - 1]) std::abort();
    }
    return 0;
}
