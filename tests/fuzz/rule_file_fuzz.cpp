// An arbitrary rule file loads without harm, and what the store then saves reads back to the
// same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "metatrader/auto_trade_rule_store.h"
#include "base/line_file.h"
#include "store/local_files.h"
#include "tests/fuzz/fuzz_program_folder.h"

namespace {
std::string FileBytes() {
    std::string bytes;
    ReadTextFile(RuleFilePath(), bytes, true);
    return bytes;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzProgramFolder folder;
    if (!WriteFileAtomically(RuleFilePath(),
                             std::string(reinterpret_cast<const char*>(data), size)))
        std::abort();
    AutoTradeRuleStore rules;
    rules.LoadRules();
    if (!rules.SaveRules()) std::abort();
    const std::string saved = FileBytes();
    rules.LoadRules();
    if (!rules.SaveRules() || FileBytes() != saved) std::abort();
    if (saved.size() != rules.Count() * 83) std::abort();  // nine "%08X" fields, 0x07s, CR LF
    return 0;
}
