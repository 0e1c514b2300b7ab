// The program's shortcuts: in the user's Startup folder (start with Windows) and on the desktop.
// Registration exists only as the shortcut file; nothing in the settings records it.
#pragma once

#include <string>

std::string StartupShortcutPath();     // Startup folder + "Pelimor.lnk"
std::string OldStartupShortcutPath();  // the name older versions used; only found and deleted
std::string DesktopShortcutPath();     // desktop + "Pelimor.lnk"
// The program file a shortcut starts: the fixed name "Pelimor.exe" in the program folder.
std::string ShortcutTarget();

// The first-run offer: creates each chosen shortcut that does not exist yet and tells the user
// how that went. An existing shortcut is left alone without a message.
void CreateFirstRunShortcuts(bool atStartup, bool onDesktop);

// The settings dialog's register and unregister buttons, each telling the user the outcome.
void RegisterAtStartup();
void UnregisterFromStartup();
