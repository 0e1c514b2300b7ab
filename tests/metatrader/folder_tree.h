// Building real folder trees for the MetaTrader tests.
#pragma once

#include <filesystem>
#include <string>

#include "app/os.h"
#include "tests/support/test_os.h"

// Creates parent + name (and anything missing above it); returns it with a trailing separator.
inline std::string MakeFolder(const std::string& parent, const std::string& name) {
    const std::string folder = parent + name;
    std::filesystem::create_directories(folder);
    return folder + PathSeparator();
}

// A terminal installation in folder: terminal.exe and the given marker folders.
inline void MakeTerminal(const std::string& folder,
                         std::initializer_list<const char*> markers = {"history", "languages",
                                                                       "tester", "experts"}) {
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "terminal.exe", "MZ");
    for (const char* marker : markers) MakeFolder(folder, marker);
}
