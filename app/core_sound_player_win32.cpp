#include "sound/sound_sink.h"

#include "sound/play_sound_file.h"

namespace {
class PlaySoundFileSink : public SoundSink {
public:
    void Play(const SoundCue& cue) override { PlaySoundFile(cue.file, cue.delayMilliseconds); }
};
}  // namespace

SoundSink& SoundFilePlayer() {
    static PlaySoundFileSink player;
    return player;
}
