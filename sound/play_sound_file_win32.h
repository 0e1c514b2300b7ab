// The one way the program plays a sound. Windows shell only; called on the user-interface thread.
#pragma once

#include "sound/media_workers.h"
#include "sound/sound_cue.h"
#include "sound/sound_mode.h"

// Plays the cue's WAV or MP3 file (absolute, or relative to the program folder) after its delay,
// without blocking. The media player plays each sound on its own worker, numbered and tracked in
// workers; the simple player plays WAV files at once and stops the sound it was playing before.
void PlaySoundFile(const SoundCue& cue, SoundMode mode, MediaWorkers& workers);
