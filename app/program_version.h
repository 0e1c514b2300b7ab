// The program's release: 3.100, shown as "Pelimor version,3.100" and compared with the server's
// version file as the number 3100.
#pragma once

#include <string>

inline constexpr int PROGRAM_VERSION_MAJOR = 3;
inline constexpr int PROGRAM_VERSION_MINOR = 100;

// "Pelimor version,3.100" (no space after the comma).
std::string VersionLine();
