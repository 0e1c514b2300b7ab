#include "sound/sound_playback.h"

#include <algorithm>

#include "sound/sound_path.h"

SoundPlayback PlanSoundPlayback(const SoundCue& cue, SoundMode mode) {
    SoundPlayback playback;
    playback.player = mode;
    playback.path = ResolveSoundPath(cue.file);
    if (mode == SoundMode::MediaPlayer)
        playback.delayMilliseconds = std::max(cue.delayMilliseconds, 0);
    return playback;
}
