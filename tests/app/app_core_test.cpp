#include "app/app_core.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_os.h"

namespace {
std::vector<void*> g_closedThreads;

void RecordClose(void* handle) { g_closedThreads.push_back(handle); }
TEST(AppCore, EveryEventHasItsOwnBit) {
    FakeOs os;
    CAppCore core;
    for (int event = 0; event < ALERT_EVENT_COUNT; ++event) EXPECT_TRUE(core.IsEventEnabled(event));

    core.SetEventEnabled(22, false);
    EXPECT_EQ(core.m_eventMask, 0x3FFFFFu);
    EXPECT_TRUE(core.IsEventEnabled(0));
    core.SetEventEnabled(0, false);
    EXPECT_FALSE(core.IsEventEnabled(0));
    EXPECT_FALSE(core.IsEventEnabled(22));
    EXPECT_TRUE(core.IsEventEnabled(21));
    core.SetEventEnabled(22, true);
    EXPECT_EQ(core.m_eventMask, 0x7FFFFEu);

    // Indexes outside the table touch nothing.
    core.SetEventEnabled(23, true);
    core.SetEventEnabled(-1, false);
    EXPECT_EQ(core.m_eventMask, 0x7FFFFEu);
    EXPECT_FALSE(core.IsEventEnabled(23));
    EXPECT_FALSE(core.IsEventEnabled(-1));
}

TEST(AppCore, DefaultSoundsFollowTheSoundMode) {
    FakeOs os;
    CAppCore core;
    EXPECT_EQ(core.m_soundFiles[0], "sound\\default\\1.mp3");
    EXPECT_EQ(core.m_soundFiles[15], "sound\\default\\90.mp3");

    core.m_soundFiles[17] = "C:\\mine.wav";
    core.UseDefaultSounds(SoundMode::SimplePlayer);
    EXPECT_EQ(core.m_soundFiles[9], "sound\\default\\10.wav");
    EXPECT_EQ(core.m_soundFiles[16], "sound\\default\\120.wav");
    EXPECT_EQ(core.m_soundFiles[17], "sound\\default\\aprev.wav");
    EXPECT_EQ(core.m_soundFiles[18], "sound\\default\\0.wav");
    EXPECT_EQ(DefaultSoundFile(22, SoundMode::MediaPlayer), "sound\\default\\asignal.wav");
    EXPECT_EQ(DefaultSoundFile(23, SoundMode::MediaPlayer), "");
}

TEST(AppCore, LeadTimesRiseFromOneMinuteToTwoHours) {
    int previous = 0;
    for (int event = 0; event < LEAD_TIME_EVENT_COUNT; ++event) {
        EXPECT_GT(AlertLeadMinutes(event), previous) << event;
        previous = AlertLeadMinutes(event);
    }
    EXPECT_EQ(previous, 120);
    EXPECT_EQ(AlertLeadMinutes(EVENT_CHIME), 0);
    EXPECT_STREQ(AlertEventLabel(EVENT_SIGNAL_RECEIVED), "シグナル着信時");
    EXPECT_STREQ(AlertEventLabel(ALERT_EVENT_COUNT), "");
}

TEST(AppCore, ResetRestoresDefaultsButKeepsTheChosenFolders) {
    FakeOs os;
    CAppCore core;
    core.m_page = 3;
    core.m_newsPage = 2;
    core.m_windowLeft = 40;
    core.m_pairFirst[5] = 9;
    core.m_eventMask = 0;
    core.m_termsAcceptedAt = 123;
    core.m_terminalFolders[0] = "C:\\MT4";
    core.m_foundTerminalFolders = {"C:\\MT4"};
    core.m_signalCopyFolder = "C:\\Copy";
    core.m_mediaWorkers.aliasCounter = 7;

    core.Reset();
    EXPECT_EQ(core.m_page, 0);
    EXPECT_EQ(core.m_newsPage, 0);
    EXPECT_EQ(core.m_windowLeft, 0);
    EXPECT_EQ(core.m_pairFirst[5], -1);
    EXPECT_EQ(core.m_eventMask, 0x7FFFFFu);
    EXPECT_EQ(core.m_termsAcceptedAt, 0);
    EXPECT_EQ(core.m_terminalFolders[0], "C:\\MT4");
    EXPECT_EQ(core.m_foundTerminalFolders.size(), 1u);
    EXPECT_EQ(core.m_signalCopyFolder, "C:\\Copy");
    EXPECT_EQ(core.m_mediaWorkers.aliasCounter.load(), 7u);
}

TEST(AppCore, ResetReleasesHandlesOfWorkersStillPlaying) {
    FakeOs os;
    CAppCore core;
    g_closedThreads.clear();
    void* worker = reinterpret_cast<void*>(uintptr_t{0x10});
    SoundThreadTable& threads = core.m_mediaWorkers.threads;
    threads.Add(threads.ReserveIdentity(), SoundThreadHandle(worker, RecordClose));
    core.Reset();
    EXPECT_EQ(g_closedThreads, std::vector<void*>{worker});
    EXPECT_EQ(threads.Count(), 0u);
}

TEST(AppCore, TheCalendarStartsOnTodaysLocalDate) {
    FakeOs os;
    os.now = 1700000000;  // 2023-11-14 22:13:20 UTC, already the 15th in Tokyo
    CAppCore core;
    EXPECT_EQ(core.m_calendarDate, (CalendarDate{2023, 11, 15}));
    EXPECT_EQ(core.m_lastSeenDate, (CalendarDate{2023, 11, 15}));
}
}  // namespace
