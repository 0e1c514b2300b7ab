// How one sound is to be played, decided before anything starts: which player, which file and
// after how long.
#pragma once

#include <string>

#include "sound/sound_cue.h"
#include "sound/sound_mode.h"

struct SoundPlayback {
    SoundMode player = SoundMode::MediaPlayer;
    std::string path;  // resolved against the program folder
    int delayMilliseconds = 0;

    bool operator==(const SoundPlayback&) const = default;
};

// The media player waits the cue's delay on its own worker before it plays. The simple player
// starts at once: it has no worker to wait on, so the delay is dropped. A negative delay counts
// as none.
SoundPlayback PlanSoundPlayback(const SoundCue& cue, SoundMode mode);
