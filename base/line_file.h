// Reading and writing whole files: the line files every data file of the program is kept in,
// and the binary expert-advisor files, read and copied byte for byte, NULs included.
//
// Files are byte-identical on every platform: lines end in CR LF, written explicitly. A save
// writes a temporary file in the same folder and then replaces the target in one step, so a
// crash or a full disk mid-write leaves the previous file whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr size_t NO_SIZE_LIMIT = SIZE_MAX;

// Reads a whole file. In text mode CR LF becomes LF, as the Windows runtime reads text; in byte
// mode nothing is translated. The text of each 512 KiB chunk ends at its first NUL byte.
// False when the file cannot be opened or holds more than limitBytes bytes (the text is then
// empty): a file that arrived from the network is read only up to the size the download allows.
bool ReadTextFile(const std::string& path, std::string& text, bool byteMode,
                  size_t limitBytes = NO_SIZE_LIMIT);

// The lines of a line file (SplitLines of its text); empty when the file is missing.
std::vector<std::string> ReadLineFile(const std::string& path);

// Writes the bytes as the whole file, atomically. False when nothing could be written; the
// previous file is then left as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Each line followed by CR LF, written atomically.
bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines);

// Reads a whole file byte for byte, NULs included. False when the file cannot be opened or read
// (bytes is then empty).
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces target by a copy of source in one step; false when either side fails (a missing
// target folder, a target held open by the terminal).
bool CopyWholeFile(const std::string& source, const std::string& target);
