// Where a sound file lies. Sound paths are stored as the user chose them: absolute, or relative to
// the program folder (the default sounds are "sound\default\...").
#pragma once

#include <string>

// The full path of a stored sound path. A path whose second and third characters are ":\", or
// a network path starting with "\\", is absolute and returned unchanged; any other path is
// appended to the program folder.
//
// Where the platform separator is "/", a path starting with "/" is absolute too, and the "\"
// separators of a relative path become "/" (never the 0x5C byte inside a double-byte character),
// so the stored default names "sound\default\..." work unchanged on both platforms.
std::string ResolveSoundPath(const std::string& path);

// The path to store for a sound file the user chose: relative to the program folder when the
// file lies inside it, so the setting survives moving the program; the absolute path otherwise.
// Windows paths ignore case, so the folder is matched without regard to the case of ASCII letters
// (the second byte of a double-byte character is compared as it is).
std::string ProgramRelativeSoundPath(const std::string& path);
