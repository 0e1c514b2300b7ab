// Arbitrary settings-file text must load without harm, save as six well-formed lines, and what
// was saved must read back to the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app_core.h"
#include "app/settings_file.h"
#include "base/byte_text.h"

namespace {
std::vector<std::string> SaveAfterLoading(const std::vector<std::string>& lines) {
    CAppCore core;
    ApplySettingsLines(lines, core);
    return FormatSettingsLines(core);
}

bool WellFormed(const std::vector<std::string>& lines) {
    if (lines.size() != 6) return false;
    for (const std::string& line : lines)
        if (line.find('\n') != std::string::npos) return false;
    return CountOccurrences(lines[0], "\x07") == 12 && CountOccurrences(lines[1], "\x07") == 24 &&
           CountOccurrences(lines[2], "\x07") == 5 && CountOccurrences(lines[4], "\x07") == 99 &&
           CountOccurrences(lines[5], "\x07") == 2;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> once = SaveAfterLoading(SplitLines(text));
    if (!WellFormed(once)) std::abort();

    // Line 4 may lose entries that were empty once cleaned; everything else reads back as saved.
    std::vector<std::string> twice = SaveAfterLoading(once);
    for (size_t line = 0; line < once.size(); ++line)
        if (line != 3 && once[line] != twice[line]) std::abort();
    if (SaveAfterLoading(twice) != twice) std::abort();
    return 0;
}
