// A program folder of its own for a fuzz target whose code reads and writes the local files;
// removed with everything in it when the target ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/os.h"

class FuzzProgramFolder : public OsSeam {
public:
    FuzzProgramFolder() : installed_(*this) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pelimor-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern + PathSeparator();
    }
    ~FuzzProgramFolder() override {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::string ProgramFolder() override { return path_; }

private:
    std::string path_;
    ScopedOs installed_;
};
