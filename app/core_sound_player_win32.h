// The application's sound player: plays every cue in the sound mode the user chose, with the
// media workers of the application core. Windows shell only; used on the user-interface thread.
#pragma once

#include <cstdint>

#include "sound/sound_sink.h"

// The sink that hands every cue to PlaySoundFile.
SoundSink& SoundFilePlayer();

// The panel's handler of UM_SOUND_FINISHED: releases the ended worker's thread handle.
void OnSoundFinished(uint32_t identity);
