// Arbitrary bytes loaded as the indicator file: the store keeps its promises, and saving and
// loading it again changes nothing -- unless a name still holds "&amp;", which every load turns
// into "&" once more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/indicator_store.h"
#include "base/line_file.h"
#include "store/local_files.h"
#include "tests/fuzz/indicator_store_checks.h"

namespace {
bool AnyNameHoldsAmp(const IndicatorStore& store) {
    for (const auto& [when, record] : store.All())
        if (record.name.find("&amp;") != std::string::npos) return true;
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FixedClockProgramFolder folder;
    static const std::string path = IndicatorFilePath();
    WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(data), size));

    IndicatorStore store;
    int32_t nextId = static_cast<int32_t>(size);
    store.Load(path, nextId);
    CheckIndicatorStore(store);

    if (!store.Save(path)) std::abort();
    IndicatorStore reloaded;
    int32_t reloadedNextId = nextId;
    reloaded.Load(path, reloadedNextId);
    CheckIndicatorStore(reloaded);
    if (reloadedNextId != nextId) std::abort();
    if (!AnyNameHoldsAmp(store) && reloaded.All() != store.All()) std::abort();
    return 0;
}
