// "Play file F after D milliseconds": what the alert rules and the new-item notices decide. The
// Windows shell hands each cue to PlaySoundFile.
#pragma once

#include <string>

struct SoundCue {
    std::string file;  // as stored: absolute, or relative to the program folder
    int delayMilliseconds = 0;

    bool operator==(const SoundCue&) const = default;
};
