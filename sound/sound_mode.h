// Which player the sounds go to (the "avoid sound errors" setting chooses). The simple player
// plays WAV files only, so its default sounds are the WAV variants.
#pragma once

enum class SoundMode { MediaPlayer, SimplePlayer };
