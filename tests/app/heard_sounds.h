// A sound sink for tests: keeps every cue with the clock and the time slept when it came.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/sound_sink.h"
#include "tests/support/test_os.h"

struct HeardSound {
    int64_t at;           // FakeOs::now
    int64_t sleptBefore;  // FakeOs::sleptMilliseconds
    SoundCue cue;
};

class HeardSounds : public SoundSink {
public:
    explicit HeardSounds(const FakeOs& os) : os_(os) {}
    void Play(const SoundCue& cue) override {
        heard.push_back({os_.now, os_.sleptMilliseconds, cue});
    }

    std::vector<HeardSound> heard;

private:
    const FakeOs& os_;
};
