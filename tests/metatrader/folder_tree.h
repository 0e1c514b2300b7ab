// Building real folder trees for the MetaTrader tests.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "base/os.h"
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

// The expert-advisor files that ship beside the program, read from beside the test program
// before a fake program folder takes its place, and put into that folder by Install.
class ShippedEaFiles {
public:
    ShippedEaFiles() {
        for (const char* name : {"qzea.dll", "QZEA.ex4", "QZEA_TT.ex4", "QZGI.ex4"})
            files_[name] = ReadBytes(Os().ProgramFolder() + name);
    }

    // False when a file was missing beside the test program.
    bool Install(const std::string& programFolder) const {
        for (const auto& [name, bytes] : files_) {
            if (bytes.empty()) return false;
            WriteBytes(programFolder + name, bytes);
        }
        return true;
    }

    const std::string& operator[](const std::string& name) const { return files_.at(name); }

private:
    std::map<std::string, std::string> files_;
};
