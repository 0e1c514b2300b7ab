#include "metatrader/terminal_folder.h"

#include "base/os.h"
#include "base/cp932_text.h"

namespace {
constexpr const char* MARKER_FOLDERS[] = {"history", "languages", "tester", "experts", "MQL4"};
constexpr int MARKER_FOLDERS_NEEDED = 4;
}  // namespace

TerminalFolderEntry PairedEntry(const std::string& installationFolder,
                                const std::string& dataFolder) {
    return installationFolder + "|" + dataFolder;
}

std::string DataFolderOf(const TerminalFolderEntry& entry) {
    // A folder name may hold a character whose second byte is 0x7C, such as "ポ".
    const size_t bar = FindFirstOfMbcs(entry, "|");
    if (bar == std::string::npos) return entry;
    const size_t end = FindFirstOfMbcs(entry, "|", bar + 1);
    return entry.substr(bar + 1, end == std::string::npos ? end : end - bar - 1);
}

bool IsTerminalFolder(const std::string& folder) {
    if (!Os().PathExists(folder + "terminal.exe")) return false;
    int markers = 0;
    for (const char* name : MARKER_FOLDERS)
        if (Os().PathExists(folder + name)) ++markers;
    return markers >= MARKER_FOLDERS_NEEDED;
}

TerminalLayout LayoutOf(const TerminalFolderEntry& entry) {
    TerminalLayout layout;
    layout.root = DataFolderOf(entry);
    if (layout.root.empty()) return layout;
    layout.root = WithTrailingMbcs(layout.root, PathSeparator());
    if (Os().PathExists(layout.root + "MQL4")) {
        layout.root += std::string("MQL4") + PathSeparator();
        layout.underMql4 = true;
    }
    return layout;
}
