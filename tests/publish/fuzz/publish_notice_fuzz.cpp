// An arbitrary notice file never crashes the notice reader, and the notice is written as one
// notice line that the panel's reader reads back with exactly the markup bytes of the escaped
// notice: the conversion to CP932 and EUC-JP, close equivalents included, adds none.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "publish/notice_folder.h"
#include "publish/publisher.h"
#include "base/euc_jp.h"
#include "store/news_feed.h"
#include "tests/publish/fuzz/hostile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ZoneClock zone = *ZoneClock::ForZone("Asia/Tokyo");
    const std::string text =
        WithEquivalentCharacters(std::string_view(reinterpret_cast<const char*>(data), size));
    FeedItem notice = NoticeOfText("notice.txt", text, 1767225600, zone);
    const size_t markup = MarkupBytes(notice.title) + MarkupBytes(notice.body);
    const std::vector<iaNews> read = ParseNewsFeed(EucJpToCp932(
        NewsFeedText("QZNINFO", {NumberedItem{7, *notice.when, std::move(notice)}}, 0)));
    if (read.size() != 1 || read[0].id != 7) std::abort();
    if (MarkupBytes(read[0].title) + MarkupBytes(read[0].body) != markup) std::abort();
    return 0;
}
