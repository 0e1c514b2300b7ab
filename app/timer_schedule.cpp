#include "app/timer_schedule.h"

#include "app/alert_rules.h"
#include "app/panel_page.h"
#include "app/server_poll.h"
#include "base/calendar_date.h"
#include "base/local_time.h"
#include "base/os.h"
#include "net/feed_request.h"

namespace {
constexpr unsigned MINUTE_MILLISECONDS = 60'000;

PanelEffect Fetch(FeedKind kind) { return {PanelEffectKind::StartFeedFetch, kind}; }
PanelEffect Do(PanelEffectKind kind) { return {kind}; }

// Pages 0 and 1 show the time of day to the minute.
bool ShowsClock(int page) { return page == 0 || page == 1; }

// The clock is redrawn around the turn of each minute, a tick early and a tick late, so that a
// second tick that comes a little off the beat still catches the new minute.
bool IsTurnOfMinute(int second) { return second == 59 || second == 0 || second == 1; }
}  // namespace

bool TimerSchedule::TickCounter::Advance() {
    if (++count < threshold) return false;
    count = 0;
    return true;
}

TimerSchedule::TimerSchedule(CAppCore& core) : core_(core) {}

std::vector<TimerArming> TimerSchedule::Arm() {
    news_.count = 0;
    notices_.count = 0;
    indicators_.count = 0;
    access_.count = access_.threshold;
    listRefresh_.count = 0;
    return {{TIMER_MINUTE, MINUTE_MILLISECONDS},
            {TIMER_SECOND, 1'000},
            {TIMER_START_PAGE, 10},
            {TIMER_MAILBOX, 5'000},
            {TIMER_SERVER_POLL, MINUTE_MILLISECONDS}};
}

PanelEffects TimerSchedule::OnTimer(unsigned id, SoundSink& sounds) {
    switch (id) {
    case TIMER_MINUTE: return OnMinuteTick();
    case TIMER_SECOND: return OnSecondTick(sounds);
    case TIMER_START_PAGE:
        return {{PanelEffectKind::ShowPage, PAGE_NEWS},
                {PanelEffectKind::KillTimer, TIMER_START_PAGE}};
    case TIMER_MAILBOX: return {Do(PanelEffectKind::RefreshMailbox)};
    case TIMER_SERVER_POLL: return {Do(PanelEffectKind::ServerPoll)};
    default: return {};  // not a timer of the panel
    }
}

PanelEffects TimerSchedule::AfterServerPoll(bool changed) const {
    if (!changed || core_.m_page != PAGE_SIGNALS) return {};
    return {Do(PanelEffectKind::PlaceHtmlPane), Do(PanelEffectKind::RedrawPanel)};
}

PanelEffects TimerSchedule::OnMinuteTick() {
    // The shell forgets the icon when Explorer restarts; adding it again brings it back.
    PanelEffects actions{Do(PanelEffectKind::AddTrayIcon)};
    if (news_.Advance()) actions.push_back(Fetch(FEED_NEWS));
    if (notices_.Advance()) actions.push_back(Fetch(FEED_NOTICES));
    if (indicators_.Advance()) actions.push_back(Fetch(FEED_INDICATORS));
    if (access_.Advance()) actions.push_back(Fetch(FEED_ACCESS_REPORT));
    if (core_.m_autoClockAdjust && listRefresh_.Advance()) {
        actions.push_back(Do(PanelEffectKind::RefillIndicatorList));
        actions.push_back(Do(PanelEffectKind::RedrawPanel));
    }
    return actions;
}

PanelEffects TimerSchedule::OnSecondTick(SoundSink& sounds) {
    PanelEffects actions;
    FollowChangeOfDay(actions);
    RunAlertRules(sounds);
    RetrySignalCopy(core_);
    KeepClockCurrent(actions);
    return actions;
}

// The calendar moves on at midnight only while it shows the current day; a day the user chose
// stays chosen.
void TimerSchedule::FollowChangeOfDay(PanelEffects& actions) {
    const CalendarDate today = LocalDateOf(Os().Now());
    if (today != core_.m_calendarDate && core_.m_lastSeenDate == core_.m_calendarDate) {
        core_.m_calendarDate = today;
        actions.push_back(Do(PanelEffectKind::RefillIndicatorList));
        actions.push_back(Do(PanelEffectKind::RedrawPanel));
        actions.push_back(Do(PanelEffectKind::LayOutPanel));
    }
    core_.m_lastSeenDate = today;
}

void TimerSchedule::RunAlertRules(SoundSink& sounds) {
    const IndicatorRecord* target = core_.m_indicatorStore.NextAlertTarget(Os().Now());
    if (!target) return;
    CheckLeadAlerts(core_, *target, sounds);
    CheckAnnouncementAlerts(core_, *target, sounds);
}

void TimerSchedule::KeepClockCurrent(PanelEffects& actions) const {
    if (!ShowsClock(core_.m_page)) return;
    if (IsTurnOfMinute(ToLocalTime(Os().Now()).second))
        actions.push_back(Do(PanelEffectKind::RedrawPanel));
}
