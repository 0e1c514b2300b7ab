// The shell's folder browser.
#pragma once

#include <windows.h>

#include <string>

// Lets the user pick a folder, starting at the desktop, with title above the tree. The chosen
// folder's path; "" when the user cancelled or picked no file-system folder (such as a printer).
std::string BrowseForFolder(HWND owner, const char* title);
