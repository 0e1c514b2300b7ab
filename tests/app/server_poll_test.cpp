#include "app/server_poll.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/timer_schedule.h"
#include "metatrader/signal_copy_ea.h"
#include "base/byte_text.h"
#include "tests/net/download_test_support.h"
#include "tests/app/heard_sounds.h"
#include "tests/support/loopback_server.h"

namespace {
ServerPollDownload Changed(int32_t counter, std::optional<std::string> traders,
                           std::optional<std::string> messages,
                           std::optional<std::string> signals) {
    ServerPollDownload download;
    download.counterChanged = true;
    download.counter = counter;
    download.traders = std::move(traders);
    download.messages = std::move(messages);
    download.signals = std::move(signals);
    return download;
}

// A signal line as the server lists it: id, ticket, key, then the fields from the symbol on.
std::string SignalLine(int id, int ticket, int key, int64_t sentAt) {
    return FormatText("%d,%d,%d,EURUSD,%lld,N,B,1.1,0,0,0.1,2023.11.15 07:13:20\n", id, ticket, key,
                      static_cast<long long>(sentAt));
}

std::vector<int32_t> Keys(const std::multimap<int32_t, std::string>& map) {
    std::vector<int32_t> keys;
    for (const auto& entry : map) keys.push_back(entry.first);
    return keys;
}

class ServerPollTest : public ::testing::Test {
protected:
    FakeOs os;
    CAppCore core;
};

TEST_F(ServerPollTest, UnchangedCounterChangesNothing) {
    ServerPollDownload unchanged;
    unchanged.counter = 7;
    ServerPollOutcome outcome = ServerPoll(core, unchanged);
    EXPECT_FALSE(outcome.changed);
    EXPECT_FALSE(outcome.sound);
    EXPECT_EQ(core.m_serverPoll.lastCounter, 0);
}

TEST_F(ServerPollTest, TraderNamesAreReplacedAndTheirIdsFillThePairTable) {
    ServerPoll(core, Changed(1, "5,Alice\n7,Bob\n\n5,Carol\n", std::nullopt, std::nullopt));
    EXPECT_EQ(core.m_serverPoll.traderNames, (TraderNameMap{{5, "Alice"}, {7, "Bob"}}));
    EXPECT_EQ(core.m_pairFirst[0], 5);
    EXPECT_EQ(core.m_pairFirst[1], 7);
    EXPECT_EQ(core.m_pairFirst[2], 5);
    EXPECT_EQ(core.m_pairFirst[3], -1);

    ServerPoll(core, Changed(2, "9,Dan\n", std::nullopt, std::nullopt));
    EXPECT_EQ(core.m_serverPoll.traderNames, (TraderNameMap{{9, "Dan"}}));
    EXPECT_EQ(core.m_pairFirst[0], 9);
    EXPECT_EQ(core.m_pairFirst[1], 7);  // only as many entries as lines are written

    std::string many;
    for (int id = 1000; id < 1120; ++id) many += std::to_string(id) + ",T\n";
    ServerPoll(core, Changed(3, many, std::nullopt, std::nullopt));
    EXPECT_EQ(core.m_serverPoll.traderNames.size(), 120u);
    EXPECT_EQ(core.m_pairFirst[0], 1000);
    EXPECT_EQ(core.m_pairFirst[98], 1098);
}

TEST_F(ServerPollTest, MessagesAreAddedOnceAndOnlyTheNewestHundredKept) {
    ServerPoll(core,
               Changed(1, std::nullopt, "7001,5,300,hello\n07002,5,100,first\n7001,5,999,again\n",
                       std::nullopt));
    EXPECT_EQ(Keys(core.m_serverPoll.messages), (std::vector<int32_t>{100, 300}));
    EXPECT_EQ(core.m_serverPoll.messages.find(300)->second, "7001,5,300,hello");

    // Lines already stored are skipped, whatever way the server writes their number.
    ServerPoll(core,
               Changed(2, std::nullopt,
                       "7001,5,300,hello\n07002,5,100,first\n7002,5,100,first\n7003,5,200,new\n",
                       std::nullopt));
    EXPECT_EQ(Keys(core.m_serverPoll.messages), (std::vector<int32_t>{100, 200, 300}));

    std::string many;
    for (int n = 0; n < 110; ++n) many += FormatText("%d,5,%d,m\n", 8000 + n, 1000 + n);
    ServerPoll(core, Changed(3, std::nullopt, many, std::nullopt));
    const std::vector<int32_t> keys = Keys(core.m_serverPoll.messages);
    ASSERT_EQ(keys.size(), 100u);
    EXPECT_EQ(keys.front(), 1010);  // the three older ones and the ten smallest new ones are gone
    EXPECT_EQ(keys.back(), 1109);
}

TEST_F(ServerPollTest, SignalsAreStoredWithoutIdAndKeyAndNeverTwice) {
    os.now = 1700000000;
    ServerPoll(core, Changed(1, std::nullopt, std::nullopt,
                             SignalLine(9001, 555, 40, 1) + SignalLine(9002, 556, 20, 2)));
    ASSERT_EQ(Keys(core.m_serverPoll.signals), (std::vector<int32_t>{20, 40}));
    EXPECT_EQ(core.m_serverPoll.signals.find(40)->second,
              "555,EURUSD,1,N,B,1.1,0,0,0.1,2023.11.15 07:13:20");

    // The server lists its recent signals again with every change; each is stored once.
    ServerPoll(core, Changed(2, std::nullopt, std::nullopt,
                             SignalLine(9001, 555, 40, 1) + SignalLine(9002, 556, 20, 2) +
                                 SignalLine(9003, 557, 30, 3)));
    EXPECT_EQ(Keys(core.m_serverPoll.signals), (std::vector<int32_t>{20, 30, 40}));

    // A line too short to carry fields after the key still gets its entry.
    ServerPoll(core, Changed(3, std::nullopt, std::nullopt, "9004,558,50\n"));
    EXPECT_EQ(core.m_serverPoll.signals.find(50)->second, "558,");
}

TEST_F(ServerPollTest, SignalMapKeepsTheNewestHundredAndForgetsTheIdsOfTheOthers) {
    std::string many;
    for (int n = 1; n <= 105; ++n) many += SignalLine(n, n, n, 0);
    ServerPoll(core, Changed(1, std::nullopt, std::nullopt, many));
    std::vector<int32_t> keys = Keys(core.m_serverPoll.signals);
    ASSERT_EQ(keys.size(), 100u);
    EXPECT_EQ(keys.front(), 6);
    EXPECT_EQ(keys.back(), 105);

    // A dropped signal is no longer known: listed again with a new key it comes back.
    ServerPoll(core, Changed(2, std::nullopt, std::nullopt,
                             SignalLine(1, 1, 200, 0) + SignalLine(50, 50, 201, 0)));
    keys = Keys(core.m_serverPoll.signals);
    ASSERT_EQ(keys.size(), 100u);
    EXPECT_EQ(keys.back(), 200);
    EXPECT_EQ(keys.front(), 7);
}

TEST_F(ServerPollTest, FailedFileLeavesItsMapButTheCounterMovesOn) {
    ServerPoll(core, Changed(1, "5,Alice\n", "1,5,10,hi\n", SignalLine(1, 1, 10, 0)));
    ServerPollOutcome outcome =
        ServerPoll(core, Changed(2, std::nullopt, std::nullopt, std::nullopt));
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(core.m_serverPoll.lastCounter, 2);
    EXPECT_EQ(core.m_serverPoll.traderNames.size(), 1u);
    EXPECT_EQ(core.m_serverPoll.messages.size(), 1u);
    EXPECT_EQ(core.m_serverPoll.signals.size(), 1u);
}

TEST_F(ServerPollTest, FreshNewestSignalRingsTheSignalSound) {
    os.now = 1700000000;
    core.m_soundFiles[EVENT_SIGNAL_RECEIVED] = "C:\\signal.wav";
    const SoundCue ring{"C:\\signal.wav", 0};
    // The newest signal is the one with the largest key, wherever it stands in the file.
    EXPECT_EQ(
        ServerPoll(core, Changed(1, std::nullopt, std::nullopt,
                                 SignalLine(2, 2, 90, 1700000000 - 179) + SignalLine(1, 1, 10, 0)))
            .sound,
        ring);
    // Once per changed counter, even without a new signal.
    EXPECT_EQ(ServerPoll(core, Changed(2, std::nullopt, std::nullopt, std::nullopt)).sound, ring);
    os.now += 1;
    EXPECT_FALSE(ServerPoll(core, Changed(3, std::nullopt, std::nullopt, std::nullopt)).sound);
    // Dated ahead of the computer's clock.
    ServerPoll(core, Changed(4, std::nullopt, std::nullopt, SignalLine(3, 3, 91, 1700009999)));
    EXPECT_EQ(ServerPoll(core, Changed(5, std::nullopt, std::nullopt, std::nullopt)).sound, ring);
    core.SetEventEnabled(EVENT_SIGNAL_RECEIVED, false);
    EXPECT_FALSE(ServerPoll(core, Changed(6, std::nullopt, std::nullopt, std::nullopt)).sound);
}

TEST_F(ServerPollTest, SignalCopyFileIsWrittenOnlyWhenTheCopyEaIsReady) {
    TempFolder terminal;
    std::filesystem::create_directories(terminal.Path() + "Files");
    core.m_signalCopyFolder = terminal.Path();
    const std::string copyFile = QzgiPathsFor(core.m_signalCopyFolder).copyFile;

    core.m_signalCopyReady = QZGI_MISSING;
    ServerPoll(core, Changed(1, std::nullopt, std::nullopt, SignalLine(1, 555, 10, 0)));
    EXPECT_FALSE(os.PathExists(copyFile));

    core.m_signalCopyReady = QZGI_CORRECT;
    ServerPoll(core, Changed(2, std::nullopt, std::nullopt, std::nullopt));
    EXPECT_NE(ReadBytes(copyFile).find("EURUSD,0,N,B"), std::string::npos);
}

// The signal-copy expert advisor holds its hand-over file open while it reads it, and the file
// cannot be replaced meanwhile.
class CopyFileHeldOpen : public FakeOs {
public:
    bool MoveFileOver(const std::string& source, const std::string& target) override {
        if (held && target == heldFile) return false;
        return FakeOs::MoveFileOver(source, target);
    }

    std::string heldFile;
    bool held = false;
};

class SignalCopyRetryTest : public ::testing::Test {
protected:
    SignalCopyRetryTest() {
        std::filesystem::create_directories(terminal.Path() + "Files");
        core.m_signalCopyFolder = terminal.Path();
        core.m_signalCopyReady = QZGI_CORRECT;
        os.heldFile = QzgiPathsFor(core.m_signalCopyFolder).copyFile;
    }

    // Whether the file holds the line of the signal sent at that time.
    bool CopyFileHolds(const std::string& sentAt) const {
        return ReadBytes(os.heldFile).find("EURUSD," + sentAt + ",") != std::string::npos;
    }
    void SecondTicks(int count) {
        for (int tick = 0; tick < count; ++tick) schedule.OnTimer(TIMER_SECOND, sounds);
    }

    CopyFileHeldOpen os;
    TempFolder terminal;
    CAppCore core;
    TimerSchedule schedule{core};
    HeardSounds sounds{os};
};

TEST_F(SignalCopyRetryTest, AWriteRefusedWhileTheEaReadsIsDoneAtALaterSecondTick) {
    os.held = true;
    ServerPoll(core, Changed(1, std::nullopt, std::nullopt, SignalLine(1, 555, 10, 1700000001)));
    EXPECT_FALSE(CopyFileHolds("1700000001"));
    SecondTicks(3);
    EXPECT_FALSE(CopyFileHolds("1700000001"));
    os.held = false;  // the expert advisor has read it
    SecondTicks(1);
    EXPECT_TRUE(CopyFileHolds("1700000001"));

    // Written, nothing is pending: a file the EA holds later is left to the next signal.
    os.held = true;
    SecondTicks(1);
    os.held = false;
    std::filesystem::remove(os.heldFile);
    SecondTicks(1);
    EXPECT_FALSE(os.PathExists(os.heldFile));
}

TEST_F(SignalCopyRetryTest, TheRetriesAreBoundedAndANewSignalStartsThemAgain) {
    os.held = true;
    ServerPoll(core, Changed(1, std::nullopt, std::nullopt, SignalLine(1, 555, 10, 1700000001)));
    SecondTicks(SignalCopyHandOver::RETRIES);
    os.held = false;
    SecondTicks(5);
    EXPECT_FALSE(os.PathExists(os.heldFile));  // given up: no write without end

    os.held = true;
    ServerPoll(core, Changed(2, std::nullopt, std::nullopt, SignalLine(2, 556, 11, 1700000002)));
    SecondTicks(SignalCopyHandOver::RETRIES - 1);
    os.held = false;
    SecondTicks(1);
    EXPECT_TRUE(CopyFileHolds("1700000001"));
    EXPECT_TRUE(CopyFileHolds("1700000002"));
}

TEST_F(SignalCopyRetryTest, NothingIsRetriedWhileTheCopyEaIsNotReady) {
    core.m_signalCopyReady = QZGI_MISSING;
    ServerPoll(core, Changed(1, std::nullopt, std::nullopt, SignalLine(1, 555, 10, 1700000001)));
    core.m_signalCopyReady = QZGI_CORRECT;
    SecondTicks(1);
    EXPECT_FALSE(os.PathExists(os.heldFile));
}

// The poll's downloads, against a server on this computer.
class ServerPollDownloadTest : public ::testing::Test {
protected:
    static std::string Ok(const std::string& body) { return "HTTP/1.0 200 OK\r\n\r\n" + body; }
    static std::string Path(const std::string& request) {
        return request.substr(0, request.find(" HTTP/"));
    }

    FakeOs os;
};

TEST_F(ServerPollDownloadTest, UnchangedCounterFetchesNothingElse) {
    LoopbackServer server({{Ok("42\n")}});
    ScopedBaseUrl base(server.HostAndPort());
    ServerPollDownload download = DownloadServerPoll(42);
    EXPECT_FALSE(download.counterChanged);
    EXPECT_FALSE(download.traders || download.messages || download.signals);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(ServerPollDownloadTest, ChangedCounterFetchesTheThreeFilesInOrderWhateverBecomesOfEach) {
#ifdef _WIN32
    // As in the HTTP client's tests: URLDownloadToFileA takes a 404 page for the file.
    GTEST_SKIP() << "the system download takes an error page for the file";
#endif
    const std::string notFound = "HTTP/1.0 404 Not Found\r\n\r\n";
    // The trader file fails all three attempts; the others arrive.
    LoopbackServer server(
        {{Ok("43")}, {notFound}, {notFound}, {notFound}, {Ok("1,5,10,hi\n")}, {Ok("s\n")}});
    ScopedBaseUrl base(server.HostAndPort());
    ServerPollDownload download = DownloadServerPoll(42);
    EXPECT_TRUE(download.counterChanged);
    EXPECT_EQ(download.counter, 43);
    EXPECT_FALSE(download.traders);
    EXPECT_EQ(download.messages, "1,5,10,hi\n");
    EXPECT_EQ(download.signals, "s\n");

    const std::string prefix = "GET http://" + server.HostAndPort() + "/sv_pelimor/websys/";
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 6u);
    EXPECT_EQ(Path(requests[0]), prefix + "qznhnd_update.dat");
    EXPECT_EQ(Path(requests[1]), prefix + "qznhnd_trader.dat");
    EXPECT_EQ(Path(requests[4]), prefix + "qznhnd_message.dat");
    EXPECT_EQ(Path(requests[5]), prefix + "qznhnd_data.dat");
}

TEST_F(ServerPollDownloadTest, UnreachableServerGivesNoCounter) {
    ScopedBaseUrl base("127.0.0.1:" + std::to_string(UnusedLoopbackPort()));
    // A counter that failed to arrive is no counter of 0.
    ServerPollDownload download = DownloadServerPoll(5);
    EXPECT_FALSE(download.counterChanged);
    EXPECT_FALSE(download.traders || download.messages || download.signals);
}
}  // namespace
