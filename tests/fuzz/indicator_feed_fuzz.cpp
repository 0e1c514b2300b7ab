// Arbitrary bytes merged as a fetched indicator feed into a store that already holds an
// announcement: the store keeps its promises, and its file loads back into the very same store.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/indicator_store.h"
#include "store/local_files.h"
#include "tests/fuzz/indicator_store_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FixedClockProgramFolder folder;
    static const std::string path = IndicatorFilePath();
    const std::string_view feed(reinterpret_cast<const char*>(data), size);

    IndicatorStore store;
    int32_t nextId = 0;
    store.Merge("2023/11/20##21:30##1##Stored one##0##r##f##p##3\n", path, 0, nextId);
    store.Merge(feed, path, 3, nextId);
    CheckIndicatorStore(store);

    IndicatorStore reloaded;
    int32_t reloadedNextId = nextId;
    reloaded.Load(path, reloadedNextId);
    if (reloaded.All() != store.All() || reloadedNextId != nextId) std::abort();
    return 0;
}
