#include "app/timer_schedule.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/local_time.h"
#include "net/feed_request.h"
#include "tests/app/heard_sounds.h"

namespace {
using Kind = PanelEffectKind;

const PanelEffect TRAY{Kind::AddTrayIcon};
const PanelEffect REFILL{Kind::RefillIndicatorList};
const PanelEffect REDRAW{Kind::RedrawPanel};
const PanelEffect LAY_OUT{Kind::LayOutPanel};

PanelEffect Fetch(FeedKind kind) { return {Kind::StartFeedFetch, kind}; }

class TimerScheduleTest : public ::testing::Test {
protected:
    PanelEffects Tick(unsigned timer) { return schedule.OnTimer(timer, sounds); }

    // The minute ticks, counted from 1, whose actions include the action.
    std::vector<int> MinuteTicksWith(int count, PanelEffect action) {
        std::vector<int> ticks;
        for (int tick = 1; tick <= count; ++tick)
            for (const PanelEffect& done : Tick(TIMER_MINUTE))
                if (done == action) ticks.push_back(tick);
        return ticks;
    }

    FakeOs os;
    CAppCore core;
    TimerSchedule schedule{core};
    HeardSounds sounds{os};
};

std::vector<int> EveryNth(int step, int last) {
    std::vector<int> ticks;
    for (int tick = step; tick <= last; tick += step) ticks.push_back(tick);
    return ticks;
}
}  // namespace

TEST_F(TimerScheduleTest, ArmsFiveTimersAndStartsEachFeedOnItsOwnMinuteCount) {
    EXPECT_EQ(schedule.Arm(),
              (std::vector<TimerArming>{
                  {1100, 60000}, {1101, 1000}, {3033, 10}, {1200, 5000}, {2000, 60000}}));
    EXPECT_EQ(MinuteTicksWith(240, TRAY), EveryNth(1, 240));
    schedule.Arm();
    EXPECT_EQ(MinuteTicksWith(240, Fetch(FEED_NEWS)), EveryNth(10, 240));
    schedule.Arm();
    EXPECT_EQ(MinuteTicksWith(240, Fetch(FEED_INDICATORS)), EveryNth(15, 240));
    schedule.Arm();
    EXPECT_EQ(MinuteTicksWith(240, Fetch(FEED_ACCESS_REPORT)), (std::vector<int>{1, 121}));

    schedule.Arm();
    MinuteTicksWith(9, TRAY);
    // News before notices in the same tick; the tray icon always first.
    EXPECT_EQ(Tick(TIMER_MINUTE), (PanelEffects{TRAY, Fetch(FEED_NEWS), Fetch(FEED_NOTICES)}));
}

TEST_F(TimerScheduleTest, HalfHourlyRefillOnlyWhileEnabledWithTheCounterStandingStillMeanwhile) {
    schedule.Arm();
    EXPECT_EQ(MinuteTicksWith(60, REFILL), (std::vector<int>{30, 60}));
    MinuteTicksWith(20, REFILL);
    core.m_autoClockAdjust = false;
    EXPECT_TRUE(MinuteTicksWith(60, REFILL).empty());
    core.m_autoClockAdjust = true;
    EXPECT_EQ(MinuteTicksWith(10, REFILL), std::vector<int>{10});
    MinuteTicksWith(29, REFILL);
    const PanelEffects tick = Tick(TIMER_MINUTE);
    EXPECT_EQ(PanelEffects(tick.end() - 2, tick.end()), (PanelEffects{REFILL, REDRAW}));
}

TEST_F(TimerScheduleTest, AtMidnightTheCalendarFollowsTheDayUnlessTheUserChoseAnother) {
    core.m_page = 2;
    os.now = FromLocalTime(2013, 9, 4, 23, 59, 59);
    core.m_calendarDate = core.m_lastSeenDate = CalendarDate{2013, 9, 4};
    EXPECT_TRUE(Tick(TIMER_SECOND).empty());
    ++os.now;
    EXPECT_EQ(Tick(TIMER_SECOND), (PanelEffects{REFILL, REDRAW, LAY_OUT}));
    EXPECT_EQ(core.m_calendarDate, (CalendarDate{2013, 9, 5}));
    ++os.now;
    EXPECT_TRUE(Tick(TIMER_SECOND).empty());

    core.m_calendarDate = CalendarDate{2013, 9, 10};
    os.now = FromLocalTime(2013, 9, 6, 0, 0, 0);
    EXPECT_TRUE(Tick(TIMER_SECOND).empty());
    EXPECT_EQ(core.m_calendarDate, (CalendarDate{2013, 9, 10}));
    EXPECT_EQ(core.m_lastSeenDate, (CalendarDate{2013, 9, 6}));
}

TEST_F(TimerScheduleTest, ClockPagesAreRedrawnAroundTheTurnOfEachMinuteOnly) {
    const int64_t start = FromLocalTime(2013, 9, 4, 12, 0, 30);
    for (int page = 0; page <= 4; ++page) {
        core.m_page = page;
        std::vector<int> redrawnAt;
        for (os.now = start; os.now < start + 120; ++os.now) {
            core.m_calendarDate = core.m_lastSeenDate = LocalDateOf(os.now);
            if (Tick(TIMER_SECOND) == PanelEffects{REDRAW}) redrawnAt.push_back(os.now - start);
        }
        const std::vector<int> turnsOfMinute{29, 30, 31, 89, 90, 91};
        EXPECT_EQ(redrawnAt, page <= 1 ? turnsOfMinute : std::vector<int>{}) << "page " << page;
    }
}

TEST_F(TimerScheduleTest, EachOtherTimerHasItsOwnWork) {
    EXPECT_EQ(Tick(TIMER_START_PAGE), (PanelEffects{{Kind::ShowPage, 2}, {Kind::KillTimer, 3033}}));
    EXPECT_EQ(Tick(TIMER_MAILBOX), PanelEffects{{Kind::RefreshMailbox}});
    EXPECT_EQ(Tick(TIMER_SERVER_POLL), PanelEffects{{Kind::ServerPoll}});
    EXPECT_TRUE(Tick(1234).empty());  // not a timer of the panel

    // A changed poll answer is rebuilt only where it is shown: on the signal page.
    core.m_page = 4;
    EXPECT_EQ(schedule.AfterServerPoll(true), (PanelEffects{{Kind::PlaceHtmlPane}, REDRAW}));
    EXPECT_TRUE(schedule.AfterServerPoll(false).empty());
    core.m_page = 2;
    EXPECT_TRUE(schedule.AfterServerPoll(true).empty());
}
