// Where decided sounds go the moment they are decided. The alert rules wait between the chime and
// the alert's own sound, so their cues cannot be collected and played afterwards: each one is
// handed over at once. The Windows shell plays them; tests record them.
#pragma once

#include "sound/sound_cue.h"

class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void Play(const SoundCue& cue) = 0;
};
