// The program's release: 3.100, shown as "Pelimor version,3.100" and compared with the server's
// version file as the number 3100.
#pragma once

#include <string>

// The release number PELIMOR_PROGRAM_VERSION (from the build) read as major * 1000 + minor.
inline constexpr int PROGRAM_VERSION_MAJOR = PELIMOR_PROGRAM_VERSION / 1000;
inline constexpr int PROGRAM_VERSION_MINOR = PELIMOR_PROGRAM_VERSION % 1000;

// "Pelimor version,3.100" (no space after the comma).
std::string VersionLine();
