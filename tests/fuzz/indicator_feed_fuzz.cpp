// Arbitrary bytes merged as a fetched indicator feed into a store that already holds an
// announcement: the store keeps its promises, and its file text loads back into the very same
// store. All in memory; the file writes have their own tests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/indicator_store.h"
#include "tests/fuzz/indicator_store_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FixedClock clock;
    const std::string_view feed(reinterpret_cast<const char*>(data), size);

    IndicatorStore store;
    int32_t nextId = 0;
    store.MergeInMemory("2023/11/20##21:30##1##Stored one##0##r##f##p##3\n", 0, nextId);
    store.MergeInMemory(feed, 3, nextId);
    CheckIndicatorStore(store);

    IndicatorStore reloaded;
    int32_t reloadedNextId = nextId;
    reloaded.LoadText(store.FileText(), reloadedNextId);
    if (reloaded.All() != store.All() || reloadedNextId != nextId) std::abort();
    return 0;
}
