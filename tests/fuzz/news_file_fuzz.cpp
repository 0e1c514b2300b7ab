// An arbitrary news file text loads without harm, and what the store then writes reads back to
// the same text. All in memory; the file writes have their own tests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/news_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NewsStore news(true);
    news.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string saved = news.FileText();
    news.LoadText(saved);
    if (news.FileText() != saved) std::abort();
    // Positions run from 0 to Count() - 1. (A walk over every position would make each run
    // quadratic in the file: the store reaches a position by stepping through its items.)
    if (news.Count() > 0 &&
        (news.ItemFromNewest(0) == nullptr || news.ItemFromNewest(news.Count() - 1) == nullptr))
        std::abort();
    if (news.ItemFromNewest(news.Count()) != nullptr || news.ItemFromNewest(-1) != nullptr)
        std::abort();
    if (news.UnreadCount() > news.Count()) std::abort();
    return 0;
}
