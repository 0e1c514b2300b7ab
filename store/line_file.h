// Reading and writing whole text files, the way every data file of the program is kept.
//
// Files are byte-identical on every platform: lines end in CR LF, written explicitly. A save
// writes a temporary file in the same folder and then replaces the target in one step, so a
// crash or a full disk mid-write leaves the previous file whole.
#pragma once

#include <string>
#include <vector>

// Reads a whole file. In text mode CR LF becomes LF, as the Windows runtime reads text; in byte
// mode nothing is translated. The text of each 512 KiB chunk ends at its first NUL byte.
// False only when the file cannot be opened (the text is then empty).
bool ReadTextFile(const std::string& path, std::string& text, bool byteMode);

// The lines of a line file (SplitLines of its text); empty when the file is missing.
std::vector<std::string> ReadLineFile(const std::string& path);

// Writes the bytes as the whole file, atomically. False when nothing could be written; the
// previous file is then left as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Each line followed by CR LF, written atomically.
bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines);
