// The one way the program plays a sound. Windows shell only; called on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

// Plays a WAV or MP3 file (absolute, or relative to the program folder) after the delay, without
// blocking. The media player (the default) plays each sound on its own worker; the simple
// player (the "avoid sound errors" setting) plays WAV files at once and stops the sound it was
// playing before.
void PlaySoundFile(const std::string& path, int delayMilliseconds);

// The panel's handler of UM_SOUND_FINISHED: releases the ended worker's thread handle.
void OnSoundFinished(uint32_t identity);
