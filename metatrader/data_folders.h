// The per-user data folders that MetaTrader terminals keep in the roaming application data.
#pragma once

#include <vector>

#include "metatrader/terminal_folder.h"

// Adds a paired entry "installation|data folder" for every folder below
// MetaQuotes\Terminal\ of the roaming application data that has an origin.txt naming its
// installation. False when the system has no roaming application-data folder.
bool FindDataFolders(std::vector<TerminalFolderEntry>& entries);
