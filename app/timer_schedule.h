// The panel's timers and what each tick does.
//
// The minute tick counts its ticks to start the feed downloads, the access report and the
// half-hourly list refresh; the second tick follows the change of day, runs the alert rules and
// keeps the clock on pages 0 and 1 current; a one-shot timer opens the news page just after the
// panel appears; the five-second tick keeps the expert advisor's mailbox fresh; a minute timer
// of its own polls the server for trade signals.
#pragma once

#include <cstdint>
#include <vector>

#include "app/app_core.h"
#include "app/panel_effect.h"
#include "sound/sound_sink.h"

inline constexpr unsigned TIMER_MINUTE = 1100;
inline constexpr unsigned TIMER_SECOND = 1101;
inline constexpr unsigned TIMER_START_PAGE = 3033;  // fires once
inline constexpr unsigned TIMER_MAILBOX = 1200;
inline constexpr unsigned TIMER_SERVER_POLL = 2000;

struct TimerArming {
    unsigned id;
    unsigned periodMilliseconds;

    bool operator==(const TimerArming&) const = default;
};

class TimerSchedule {
public:
    explicit TimerSchedule(CAppCore& core);

    // The timers the panel arms, in this order. Starts every tick counter afresh.
    std::vector<TimerArming> Arm();

    // A timer fired. The second tick's alert sounds go to the sink while the tick runs (the wait
    // after a chime blocks it); the actions returned are performed after them.
    PanelEffects OnTimer(unsigned id, SoundSink& sounds);
    // What follows a server poll: a changed answer shown on the signal page is redrawn.
    PanelEffects AfterServerPoll(bool changed) const;

private:
    // Advanced once per minute tick; reports when it reaches its threshold, and starts over.
    struct TickCounter {
        int32_t count;
        int32_t threshold;

        bool Advance();
    };

    PanelEffects OnMinuteTick();
    PanelEffects OnSecondTick(SoundSink& sounds);
    void FollowChangeOfDay(PanelEffects& actions);
    void RunAlertRules(SoundSink& sounds);
    void KeepClockCurrent(PanelEffects& actions) const;

    CAppCore& core_;
    TickCounter news_{0, 10};
    TickCounter notices_{0, 10};
    TickCounter indicators_{0, 15};
    // Starts at its threshold, so the access report goes out at the first tick.
    TickCounter access_{120, 120};
    TickCounter listRefresh_{0, 30};
};
