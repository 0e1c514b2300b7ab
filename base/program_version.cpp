#include "base/program_version.h"

#include "base/byte_text.h"

std::string VersionLine() {
    return FormatText("%s version,%d.%03d", "Pelimor", PROGRAM_VERSION_MAJOR,
                      PROGRAM_VERSION_MINOR);
}
