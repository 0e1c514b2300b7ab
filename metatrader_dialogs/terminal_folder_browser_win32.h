// The shell's folder browser, as the MetaTrader setup dialogs use it.
#pragma once

#include <windows.h>

#include <string>

// Lets the user pick a MetaTrader folder, starting at the desktop. The chosen folder as a field
// holds it (with a trailing backslash); "" when the user cancelled or picked no file-system
// folder.
std::string BrowseForTerminalFolder(HWND owner);
