// Whole binary files: the expert-advisor files are read and copied byte for byte, NULs included.
#pragma once

#include <string>

// False when the file cannot be read (bytes is then empty).
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces target by a copy of source in one step; false when either side fails (a missing
// target folder, a target held open by the terminal).
bool CopyWholeFile(const std::string& source, const std::string& target);
