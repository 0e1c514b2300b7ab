#include "app/core_sound_player_win32.h"

#include "app/app_core.h"
#include "sound/play_sound_file_win32.h"

namespace {
SoundMode CurrentSoundMode() {
    return theCore.m_avoidSoundErrors != 0 ? SoundMode::SimplePlayer : SoundMode::MediaPlayer;
}

class PlaySoundFileSink : public SoundSink {
public:
    void Play(const SoundCue& cue) override {
        PlaySoundFile(cue, CurrentSoundMode(), theCore.m_mediaWorkers);
    }
};
}  // namespace

SoundSink& SoundFilePlayer() {
    static PlaySoundFileSink player;
    return player;
}

void OnSoundFinished(uint32_t identity) { theCore.m_mediaWorkers.threads.Finish(identity); }
