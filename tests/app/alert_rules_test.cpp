#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/alert_events.h"
#include "app/alert_rules.h"
#include "app/alert_stages.h"
#include "app/app_core.h"
#include "base/local_time.h"
#include "app/timer_schedule.h"
#include "store/local_files.h"
#include "tests/app/heard_sounds.h"

namespace {
int64_t At(int hour, int minute, int second) {
    return FromLocalTime(2013, 9, 4, hour, minute, second);
}

std::string FeedLine(const char* time, const char* name, int rank) {
    return std::string("2013/9/4##") + time + "##1##" + name + "##0####f##p##" +
           std::to_string(rank) + "\n";
}

using Heard = std::tuple<int64_t, int64_t, std::string>;  // when, slept before, file

// The second tick of a running panel, driven second by second by a settable clock.
class AlertRulesTest : public ::testing::Test {
protected:
    AlertRulesTest() {
        os.now = At(10, 0, 0);
        // Rank 1 is notified, rank 0 is not.
        core.m_indicatorStore.Merge(FeedLine("10:30", "Retail Sales", 1) +
                                        FeedLine("10:30", "Trade Balance", 0) +
                                        FeedLine("11:00", "Jobless Claims", 1),
                                    IndicatorFilePath(), 1, core.m_nextIndicatorId);
    }

    // Ticks at every second from `from` to `to`, both included; returns what was heard.
    std::vector<Heard> TickEverySecond(int64_t from, int64_t to) {
        HeardSounds sounds(os);
        for (os.now = from; os.now <= to; ++os.now) schedule.OnTimer(TIMER_SECOND, sounds);
        std::vector<Heard> heard;
        for (const HeardSound& sound : sounds.heard)
            heard.emplace_back(sound.at, sound.sleptBefore, sound.cue.file);
        return heard;
    }

    uint32_t FiredAlertsOf(const std::string& name) const {
        for (const auto& [when, record] : core.m_indicatorStore.All())
            if (record.name == name) return record.firedAlerts;
        return 0xDEAD;
    }

    std::string Sound(int event) const { return core.m_soundFiles[event]; }

    FakeOs os;
    CAppCore core;
    TimerSchedule schedule{core};
};
}  // namespace

TEST_F(AlertRulesTest, EachAlertSoundsOnceForIndicatorsSharingATimeThenTheNextOneTakesOver) {
    const std::vector<Heard> heard = TickEverySecond(At(10, 19, 0), At(10, 30, 1));

    std::vector<Heard> expected;
    int64_t slept = 0;
    for (int minutes = 10; minutes >= 1; --minutes, slept += 2000) {
        expected.emplace_back(At(10, 30 - minutes, 1), slept, Sound(EVENT_CHIME));
        expected.emplace_back(At(10, 30 - minutes, 1), slept + 2000, Sound(minutes - 1));
    }
    expected.emplace_back(At(10, 29, 41), slept, Sound(EVENT_CHIME));
    expected.emplace_back(At(10, 29, 41), slept + 2000, Sound(EVENT_JUST_BEFORE));
    expected.emplace_back(At(10, 29, 55), slept + 2000, Sound(EVENT_AT_ANNOUNCEMENT));
    // 10:30 has passed: the 11:00 indicator is due for its thirty-minute alert.
    expected.emplace_back(At(10, 30, 1), slept + 2000, Sound(EVENT_CHIME));
    expected.emplace_back(At(10, 30, 1), slept + 4000, Sound(11));
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(Sound(4), "sound\\default\\5.mp3");

    // Both 10:30 records carry the marks, the one without notification too.
    EXPECT_EQ(FiredAlertsOf("Retail Sales"), 0x1FFFF | JUST_BEFORE_BIT | AT_ANNOUNCEMENT_BIT);
    EXPECT_EQ(FiredAlertsOf("Trade Balance"), 0x1FFFF | JUST_BEFORE_BIT | AT_ANNOUNCEMENT_BIT);
    EXPECT_EQ(FiredAlertsOf("Jobless Claims"), 0x1F800u);  // 30 minutes and longer
}

TEST_F(AlertRulesTest, GivenAlertsAreSavedSoARestartDoesNotRepeatThem) {
    TickEverySecond(At(10, 25, 1), At(10, 25, 1));
    core.m_indicatorStore.Clear();
    core.m_indicatorStore.Load(IndicatorFilePath(), core.m_nextIndicatorId);
    EXPECT_EQ(FiredAlertsOf("Trade Balance"), 0x1FFF0u);  // events 4 to 16
    EXPECT_TRUE(TickEverySecond(At(10, 25, 2), At(10, 25, 59)).empty());
}

TEST_F(AlertRulesTest, LateStartSkipsLeadTimesThatNoLongerHold) {
    EXPECT_TRUE(TickEverySecond(At(10, 26, 40), At(10, 27, 0)).empty());
    EXPECT_EQ(TickEverySecond(At(10, 27, 1), At(10, 27, 59)),
              (std::vector<Heard>{{At(10, 27, 1), 0, Sound(EVENT_CHIME)},
                                  {At(10, 27, 1), 2000, Sound(2)}}));
    EXPECT_EQ(FiredAlertsOf("Retail Sales"), 0x1FFFCu);  // events 2 to 16
}

TEST_F(AlertRulesTest, StartThreeSecondsBeforeGivesBothAnnouncementAlertsInOneTick) {
    EXPECT_EQ(TickEverySecond(At(10, 29, 57), At(10, 29, 59)),
              (std::vector<Heard>{{At(10, 29, 57), 0, Sound(EVENT_CHIME)},
                                  {At(10, 29, 57), 2000, Sound(EVENT_JUST_BEFORE)},
                                  {At(10, 29, 57), 2000, Sound(EVENT_AT_ANNOUNCEMENT)}}));
    EXPECT_EQ(FiredAlertsOf("Trade Balance"), JUST_BEFORE_BIT | AT_ANNOUNCEMENT_BIT);
}

TEST_F(AlertRulesTest, SwitchedOffSoundsAreSkippedButTheirAlertsStillCountAsGiven) {
    core.SetEventEnabled(4, false);
    EXPECT_TRUE(TickEverySecond(At(10, 24, 59), At(10, 25, 59)).empty());
    EXPECT_EQ(FiredAlertsOf("Retail Sales"), 0x1FFF0u);

    core.SetEventEnabled(EVENT_CHIME, false);
    EXPECT_EQ(TickEverySecond(At(10, 26, 1), At(10, 26, 1)),
              (std::vector<Heard>{{At(10, 26, 1), 0, Sound(3)}}));

    // The chime comes before the just-before moment even when that moment's own sound is off.
    core.SetEventEnabled(EVENT_CHIME, true);
    core.SetEventEnabled(EVENT_JUST_BEFORE, false);
    EXPECT_EQ(TickEverySecond(At(10, 29, 41), At(10, 29, 55)),
              (std::vector<Heard>{{At(10, 29, 41), 0, Sound(EVENT_CHIME)},
                                  {At(10, 29, 55), 2000, Sound(EVENT_AT_ANNOUNCEMENT)}}));
}

// The timing table of all 23 events: lead minutes, and the minimum remaining seconds below which a
// lead-time alert is no longer given. Event i sounds from one second under its lead time down to
// its minimum remaining time, and at neither neighbouring second.
TEST(AlertTimingTable, EveryEventHasItsLeadAndMinimumRemainingTime) {
    const struct {
        int leadMinutes;
        int64_t minimumRemaining;
    } table[ALERT_EVENT_COUNT] = {
        {1, 30},    {2, 90},    {3, 150},   {4, 210},   {5, 270},    {6, 330},
        {7, 390},   {8, 450},   {9, 510},   {10, 570},  {20, 1000},  {30, 1600},
        {40, 2200}, {50, 2800}, {60, 3400}, {90, 5000}, {120, 6800}, {0, 0},
        {0, 0},     {0, 0},     {0, 0},     {0, 0},     {0, 0},
    };
    FakeOs os;
    CAppCore core;
    const int64_t when = os.now + 86400;
    for (int event = 0; event < ALERT_EVENT_COUNT; ++event) {
        EXPECT_EQ(AlertLeadMinutes(event), table[event].leadMinutes) << event;
        if (event >= LEAD_TIME_EVENT_COUNT) continue;
        // With the shorter lead times done, event `event` is the only one the rule can give.
        auto givenWith = [&](int64_t remaining) {
            IndicatorRecord record;
            record.when = when;
            record.name = "Timing table";
            record.notify = true;
            record.firedAlerts = (1u << event) - 1;
            core.m_indicatorStore.Clear();
            const int32_t id = core.m_indicatorStore.Add(record, core.m_nextIndicatorId);
            os.now = when - remaining;
            HeardSounds sounds(os);
            CheckLeadAlerts(core, *core.m_indicatorStore.FindById(id), sounds);
            return core.m_indicatorStore.FindById(id)->HasFiredAlerts(1u << event);
        };
        const int64_t lead = 60 * table[event].leadMinutes;
        EXPECT_FALSE(givenWith(lead)) << event;
        EXPECT_TRUE(givenWith(lead - 1)) << event;
        EXPECT_TRUE(givenWith(table[event].minimumRemaining)) << event;
        EXPECT_FALSE(givenWith(table[event].minimumRemaining - 1)) << event;
    }
}
