#include "app/program_version.h"

#include "store/text_utils.h"

std::string VersionLine() {
    return FormatText("%s version,%d.%03d", "Pelimor", PROGRAM_VERSION_MAJOR, PROGRAM_VERSION_MINOR);
}
