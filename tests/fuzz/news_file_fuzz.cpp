// An arbitrary news file text loads without harm, and what the store then writes reads back to
// the same text. All in memory; the file writes have their own tests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "store/news_store.h"

// Inputs of at most 512 bytes unless the command line says otherwise. Every line of the input is
// an item that the store writes back as at least 30 bytes, so a 4 KB input (libFuzzer's usual
// limit) is a round trip of 60 KB and more; longer inputs only repeat what short ones hold.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static char defaultLength[] = "-max_len=512";
    static std::vector<char*> arguments;
    arguments.assign(*argv, *argv + *argc);
    arguments.insert(arguments.begin() + 1, defaultLength);  // a later -max_len wins
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
    return 0;
}

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
