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
    for (int position = 0; position < news.Count(); ++position)
        if (news.ItemFromNewest(position) == nullptr) std::abort();
    if (news.ItemFromNewest(news.Count()) != nullptr) std::abort();
    if (news.UnreadCount() > news.Count()) std::abort();
    return 0;
}
