// The alert rules: which of an announcement's alerts is due now, what it plays, and how given
// alerts are remembered in the records' fired-alert bits.
#include "app/alert_rules.h"

#include "app/alert_stages.h"
#include "base/os.h"
#include "store/local_files.h"

namespace {
// A lead-time alert is still worth giving while at least this much time remains: its lead time
// less 30 seconds up to 10 minutes, less 200 seconds up to an hour, less 400 seconds beyond.
// An alert whose moment has long passed (a late start, a computer waking up) stays silent
// rather than announcing a lead time that is no longer true.
constexpr int64_t MINIMUM_REMAINING_SECONDS[LEAD_TIME_EVENT_COUNT] = {
    30, 90, 150, 210, 270, 330, 390, 450, 510, 570, 1000, 1600, 2200, 2800, 3400, 5000, 6800};

constexpr int CHIME_WAIT_MILLISECONDS = 2000;
constexpr int64_t JUST_BEFORE_SECONDS = 20;
// A little early, so that the sound is under way when the figure is published.
constexpr int64_t AT_ANNOUNCEMENT_SECONDS = 6;

// The bits of a lead-time event and of every longer lead time: once a shorter lead time has
// been given, a longer one must not follow it.
uint32_t LeadBitsFrom(int event) {
    const uint32_t allLeadBits = (1u << LEAD_TIME_EVENT_COUNT) - 1;
    return allLeadBits & ~((1u << event) - 1);
}

bool IsFired(const IndicatorRecord& record, uint32_t bits) {
    return (record.firedAlerts & bits) != 0;
}

void Play(const CAppCore& core, int event, SoundSink& sounds) {
    sounds.Play(SoundCue{core.m_soundFiles[event], 0});
}

// The chime goes first so the user looks up before the alert itself speaks.
void PlayChimeIfEnabled(const CAppCore& core, SoundSink& sounds) {
    if (!core.IsEventEnabled(EVENT_CHIME)) return;
    Play(core, EVENT_CHIME, sounds);
    Os().SleepMilliseconds(CHIME_WAIT_MILLISECONDS);
}

// Several indicators are often announced at the same moment; they share one set of alerts, so
// the marks go on all of them and the user hears each alert once.
void MarkOnAll(CAppCore& core, int64_t when, uint32_t bits) {
    core.m_indicatorStore.MarkFiredAlerts(when, bits);
    core.m_indicatorStore.Save(IndicatorFilePath());
}
}  // namespace

void CheckLeadAlerts(CAppCore& core, const IndicatorRecord& target, SoundSink& sounds) {
    const int64_t when = target.when;
    const int64_t remaining = when - Os().Now();
    for (int event = 0; event < LEAD_TIME_EVENT_COUNT; ++event) {
        if (remaining >= 60 * AlertLeadMinutes(event)) continue;
        if (remaining < MINIMUM_REMAINING_SECONDS[event]) continue;
        if (IsFired(target, 1u << event)) continue;
        if (core.IsEventEnabled(event)) {
            PlayChimeIfEnabled(core, sounds);
            Play(core, event, sounds);
        }
        MarkOnAll(core, when, LeadBitsFrom(event));
        return;
    }
}

void CheckAnnouncementAlerts(CAppCore& core, const IndicatorRecord& target, SoundSink& sounds) {
    const int64_t when = target.when;
    const int64_t remaining = when - Os().Now();
    // Marked and saved before the sounds start: a program ended during the chime's wait must not
    // give this alert again when it comes back.
    if (remaining < JUST_BEFORE_SECONDS && !IsFired(target, JUST_BEFORE_BIT)) {
        MarkOnAll(core, when, JUST_BEFORE_BIT);
        PlayChimeIfEnabled(core, sounds);
        if (core.IsEventEnabled(EVENT_JUST_BEFORE)) Play(core, EVENT_JUST_BEFORE, sounds);
    }
    if (remaining < AT_ANNOUNCEMENT_SECONDS && !IsFired(target, AT_ANNOUNCEMENT_BIT)) {
        MarkOnAll(core, when, AT_ANNOUNCEMENT_BIT);
        if (core.IsEventEnabled(EVENT_AT_ANNOUNCEMENT)) Play(core, EVENT_AT_ANNOUNCEMENT, sounds);
    }
}
