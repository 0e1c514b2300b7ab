// Where a sound file lies. Sound paths are stored as the user chose them: absolute, or relative to
// the program folder (the default sounds are "sound\default\...").
#pragma once

#include <string>

// The full path of a stored sound path. A path whose second and third characters are ":\" is
// absolute and returned unchanged; any other path is appended to the program folder.
//
// Where the platform separator is "/", a path starting with "/" is absolute too, and the "\"
// separators of a relative path become "/" (never the 0x5C byte inside a double-byte character),
// so the stored default names "sound\default\..." work unchanged on both platforms.
std::string ResolveSoundPath(const std::string& path);
