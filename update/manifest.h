// The update manifest: the list of a release's files that the updater may install.
//
// The text is the release number on the first line, then one line per file:
//   <SHA-256, 64 lower-case hex digits> <size in bytes> <path>
// with the path relative to the program folder and its levels separated by "\". Lines end in
// LF or CR LF. The manifest is trusted only after its signature was checked, and even then a
// path that could reach outside the program folder or into the user's data is refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ManifestEntry {
    std::string sha256Hex;
    uint64_t size = 0;
    std::string path;  // relative, "\"-separated
};

struct Manifest {
    int32_t version = 0;
    std::vector<ManifestEntry> entries;
};

// False with a reason for the log when the text is not a well-formed manifest, a path is unsafe
// (IsSafeUpdatePath) or a path is listed twice.
bool ParseManifest(std::string_view text, Manifest& manifest, std::string& reason);

// A path the updater may write: printable ASCII without ":" (no drive letter, no stream) and
// without "~" (no short-name alias), relative (no leading "\"), "\"-separated with no "/", no
// empty level and no level ending in "." or " " (which Windows drops), no level naming a DOS
// device (CON, NUL, AUX, PRN, COM1 to COM9, LPT1 to LPT9 and the like, with any extension),
// without ".." anywhere, and neither in the user's data folder "setting" nor among the updater's
// own work files ("system\update.*").
bool IsSafeUpdatePath(std::string_view path);
