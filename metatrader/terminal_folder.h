// MetaTrader folders as the folder fields and lists hold them.
#pragma once

#include <string>

// Either a plain folder path, or a paired entry "installation folder|data folder" for a terminal
// that keeps its data in a per-user folder.
using TerminalFolderEntry = std::string;

TerminalFolderEntry PairedEntry(const std::string& installationFolder,
                                const std::string& dataFolder);

// The folder that receives the files: of a paired entry the part after the first "|" (up to a
// further "|"), of a plain path the path itself, unchanged either way.
std::string DataFolderOf(const TerminalFolderEntry& entry);

// folder (ending with the separator) holds terminal.exe and at least four of the folders
// "history", "languages", "tester", "experts" and "MQL4".
bool IsTerminalFolder(const std::string& folder);

// Where a terminal keeps its expert advisors: newer terminals below "MQL4", older ones directly
// in the data folder.
struct TerminalLayout {
    std::string root;  // ends with the separator; "" when the entry names no folder
    bool underMql4 = false;
};
TerminalLayout LayoutOf(const TerminalFolderEntry& entry);
