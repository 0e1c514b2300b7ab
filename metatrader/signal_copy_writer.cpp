#include "metatrader/signal_copy_writer.h"

#include "metatrader/signal_copy_ea.h"
#include "base/line_file.h"
#include "base/byte_text.h"

namespace {
constexpr int EXAMINED_ENTRIES = 21;
constexpr int COMMAS_NEEDED = 8;

// The lines of the newest entries that carry all their fields, oldest first.
std::string CopyFileText(const SignalMap& signals) {
    std::string text;
    int examined = 0;
    for (auto entry = signals.rbegin(); entry != signals.rend() && examined < EXAMINED_ENTRIES;
         ++entry, ++examined) {
        std::string rest = entry->second, first;
        if (!SplitFirst(rest, first, ",") || CountOccurrences(rest, ",") < COMMAS_NEEDED) continue;
        TrimSuffix(rest, ",");
        text.insert(0, rest + "\r\n");
    }
    return text;
}
}  // namespace

bool SignalCopyWriter(int32_t signalCopyReady, const TerminalFolderEntry& signalCopyFolder,
                      const SignalMap& signals) {
    if (signalCopyReady != QZGI_CORRECT) return false;
    const QzgiPaths paths = QzgiPathsFor(signalCopyFolder);
    if (paths.copyFile.empty()) return false;
    return WriteFileAtomically(paths.copyFile, CopyFileText(signals));
}
