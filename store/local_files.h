// Where the program keeps its files: the program folder, and the folders "setting" and "system"
// below it. Every path is formed afresh when it is needed; forming a path in a folder creates
// that folder first.
#pragma once

#include <string>

std::string ProgramFolderPath();  // ends with the path separator
std::string SettingFolderPath();  // creates the folder
std::string SystemFolderPath();   // creates the folder

std::string SettingsFilePath();   // "iasetting.dat"
std::string IndicatorFilePath();  // "iaindex2.dat"
// The news store's file ("iasnews.dat") or the notice store's ("ianews.dat").
std::string NewsFilePath(bool newsStore);
std::string RuleFilePath();             // "iaacm.dat"
std::string ScratchFilePath(int kind);  // "iaweb%d.dat", one per download kind
std::string PageFilePath();             // "ialweb.dat" in the system folder
std::string UpdaterPath();              // "pelimorupdater.exe" in the system folder
std::string TraceMarkerPath();          // TRACE_MARKER_NAME ("trace.on") in the setting folder
std::string TraceFilePath();            // "Pelimor-trace.txt" in the system folder

// The page file as a URL for the browser pane: "file:///" and every "\" turned into "/"
// (never the 0x5C inside a double-byte character). Every ASCII byte that a URL path cannot
// hold as it is ("#", "%", a space, quotes, ...) is written "%XX", so that no folder name cuts
// the address short or escapes a part of it; double-byte characters stay whole, and the
// browser takes them as the Unicode characters they are.
std::string PageUrl();
