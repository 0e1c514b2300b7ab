#include "app/alert_events.h"

#include "base/byte_text.h"

namespace {
const char* const LABELS[ALERT_EVENT_COUNT] = {
    "１分前",   "２分前",   "３分前",       "４分前",       "５分前",         "６分前",
    "７分前",   "８分前",   "９分前",       "１０分前",     "２０分前",       "３０分前",
    "４０分前", "５０分前", "１時間前",     "１．５時間前", "２時間前",       "お知らせ前",
    "指標直前", "指標時刻", "新着ニュース", "新着お知らせ", "シグナル着信時",
};

const int LEAD_MINUTES[LEAD_TIME_EVENT_COUNT] = {1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                 10, 20, 30, 40, 50, 60, 90, 120};

// Events 17 to 22 sound the same in both modes.
const char* const FIXED_SOUNDS[ALERT_EVENT_COUNT - LEAD_TIME_EVENT_COUNT] = {
    "sound\\default\\aprev.wav", "sound\\default\\0.wav",     "sound\\default\\aalert.wav",
    "sound\\default\\anews.wav", "sound\\default\\ainfo.wav", "sound\\default\\asignal.wav",
};

bool IsEvent(int event) { return event >= 0 && event < ALERT_EVENT_COUNT; }
}  // namespace

const char* AlertEventLabel(int event) { return IsEvent(event) ? LABELS[event] : ""; }

int AlertLeadMinutes(int event) {
    return event >= 0 && event < LEAD_TIME_EVENT_COUNT ? LEAD_MINUTES[event] : 0;
}

std::string DefaultSoundFile(int event, SoundMode mode) {
    if (!IsEvent(event)) return {};
    if (event >= LEAD_TIME_EVENT_COUNT) return FIXED_SOUNDS[event - LEAD_TIME_EVENT_COUNT];
    const char* format =
        mode == SoundMode::SimplePlayer ? "sound\\default\\%d.wav" : "sound\\default\\%d.mp3";
    return FormatText(format, AlertLeadMinutes(event));
}
