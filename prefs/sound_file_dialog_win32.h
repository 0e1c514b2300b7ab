// The file dialog of the sound settings: an existing WAV or MP3 file to play for an event.
#pragma once

#include <windows.h>

#include <string>

// Opens the system's file-open dialog over owner, in initialFolder (the system's choice when
// empty), offering the filter's file types. The chosen file's full path, or "" when the user
// cancelled.
std::string ChooseSoundFile(HWND owner, const std::string& filter,
                            const std::string& initialFolder);
