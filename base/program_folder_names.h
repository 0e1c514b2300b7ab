// The names in the program folder that the panel, the updater and the update's own files all
// rely on: the updater restarts the panel's program file, a start-up shortcut points at it, the
// update leaves the user's folder alone and keeps its work in the system folder.
#pragma once

inline constexpr char PANEL_PROGRAM_FILE[] = "Pelimor.exe";
inline constexpr char SETTING_FOLDER_NAME[] = "setting";  // the user's data; no release touches it
inline constexpr char SYSTEM_FOLDER_NAME[] = "system";    // the program's own data and the updater
inline constexpr char UPDATER_PROGRAM_FILE[] = "pelimorupdater.exe";  // in the system folder
