// An arbitrary news file loads without harm, and what the store then saves reads back to the
// same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/line_file.h"
#include "store/local_files.h"
#include "store/news_store.h"
#include "tests/fuzz/fuzz_program_folder.h"

namespace {
std::string FileBytes() {
    std::string bytes;
    ReadTextFile(NewsFilePath(true), bytes, true);
    return bytes;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzProgramFolder folder;
    if (!WriteFileAtomically(NewsFilePath(true), std::string(reinterpret_cast<const char*>(data), size)))
        std::abort();
    NewsStore news(true);
    news.Load();
    if (!news.Save()) std::abort();
    const std::string saved = FileBytes();
    news.Load();
    if (!news.Save() || FileBytes() != saved) std::abort();
    for (int position = 0; position < news.Count(); ++position)
        if (news.ItemFromNewest(position) == nullptr) std::abort();
    if (news.ItemFromNewest(news.Count()) != nullptr) std::abort();
    if (news.UnreadCount() > news.Count()) std::abort();
    return 0;
}
