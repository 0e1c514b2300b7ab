// Arbitrary bytes loaded as the indicator file's text: the store keeps its promises, and its
// file text loads back to the same store -- unless a name still holds "&amp;", which every load
// turns into "&" once more. All in memory; the file writes have their own tests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/indicator_store.h"
#include "tests/fuzz/indicator_store_checks.h"

namespace {
bool AnyNameHoldsAmp(const IndicatorStore& store) {
    for (const auto& [when, record] : store.All())
        if (record.name.find("&amp;") != std::string::npos) return true;
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FixedClock clock;
    IndicatorStore store;
    int32_t nextId = static_cast<int32_t>(size);
    store.LoadText(std::string_view(reinterpret_cast<const char*>(data), size), nextId);
    CheckIndicatorStore(store);

    IndicatorStore reloaded;
    int32_t reloadedNextId = nextId;
    reloaded.LoadText(store.FileText(), reloadedNextId);
    CheckIndicatorStore(reloaded);
    if (reloadedNextId != nextId) std::abort();
    if (!AnyNameHoldsAmp(store) && reloaded.All() != store.All()) std::abort();
    return 0;
}
