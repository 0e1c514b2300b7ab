#include "metatrader/data_folders.h"

#include "base/os.h"
#include "base/line_file.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"

namespace {
// origin.txt is UTF-16 little-endian; the text ends at its first zero character.
std::u16string Utf16LittleEndianText(const std::string& bytes) {
    std::u16string text;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
        if (unit == 0) break;
        text += unit;
    }
    return text;
}

// The installation folder an origin.txt names; a byte-order mark or any other character the
// code page lacks at either end turns into "?" and is cut off.
bool ReadOrigin(const std::string& path, std::string& installationFolder) {
    std::string bytes;
    if (!Os().PathExists(path) || !ReadWholeFile(path, bytes)) return false;
    installationFolder = Os().Utf16ToAnsi(Utf16LittleEndianText(bytes));
    TrimPrefix(installationFolder, "?");
    TrimSuffix(installationFolder, "?");
    return true;
}
}  // namespace

bool FindDataFolders(std::vector<TerminalFolderEntry>& entries) {
    std::string terminals = Os().RoamingAppDataFolder();
    if (terminals.empty()) return false;
    terminals = WithTrailingMbcs(terminals, PathSeparator());
    terminals += std::string("MetaQuotes") + PathSeparator() + "Terminal" + PathSeparator();
    // One level only, so a data folder moved to another drive and linked back (mklink /J) is
    // found; the drive scan is what must not follow links.
    for (const std::string& dataFolder : Os().ListSubfoldersWithLinks(terminals)) {
        std::string installationFolder;
        if (ReadOrigin(dataFolder + PathSeparator() + "origin.txt", installationFolder))
            entries.push_back(PairedEntry(installationFolder, dataFolder));
    }
    return true;
}
