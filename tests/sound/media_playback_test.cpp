#include "sound/media_playback.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_os.h"

namespace {
// Each command with the time the worker had waited when it was sent.
struct SentCommand {
    int64_t atMilliseconds;
    std::string command;
    bool operator==(const SentCommand&) const = default;
};

class RecordingMci : public MciChannel {
public:
    explicit RecordingMci(FakeOs& os) : os_(os) {}
    void Send(const std::string& command) override {
        sent.push_back({os_.sleptMilliseconds, command});
    }
    std::vector<SentCommand> sent;

private:
    FakeOs& os_;
};

class MediaPlaybackTest : public ::testing::Test {
protected:
    std::vector<SentCommand> Play(const std::string& path, int delayMilliseconds) {
        os.sleptMilliseconds = 0;
        RecordingMci mci(os);
        PlayThroughMediaPlayer(path, delayMilliseconds, aliasCounter, mci);
        return mci.sent;
    }
    std::string OpenCommandFor(const std::string& path) { return Play(path, 0).front().command; }

    FakeOs os;
    std::atomic<uint32_t> aliasCounter{0};
};

TEST_F(MediaPlaybackTest, WavPlaysTwentySecondsThenStopsAndCloses) {
    std::vector<SentCommand> expected = {
        {0, "open \"C:\\Pelimor\\sound\\default\\0.wav\" alias QZMedia00000000"},
        {0, "play QZMedia00000000"},
        {20000, "stop QZMedia00000000"},
        {21000, "close QZMedia00000000"},
    };
    EXPECT_EQ(Play("C:\\Pelimor\\sound\\default\\0.wav", 0), expected);
    EXPECT_EQ(os.sleptMilliseconds, 22000);
}

TEST_F(MediaPlaybackTest, DelayPassesBeforeTheDeviceIsOpened) {
    std::vector<SentCommand> sent = Play("C:\\a.mp3", 2000);
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0],
              (SentCommand{2000, "open \"C:\\a.mp3\" type mpegvideo alias QZMedia00000000"}));
    EXPECT_EQ(sent[2], (SentCommand{22000, "stop QZMedia00000000"}));
    EXPECT_EQ(os.sleptMilliseconds, 24000);
}

TEST_F(MediaPlaybackTest, FileTypeIsTakenFromTheEndingInAnyCase) {
    EXPECT_EQ(OpenCommandFor("D:\\tones\\A.WAV"),
              "open \"D:\\tones\\A.WAV\" alias QZMedia00000000");
    EXPECT_EQ(OpenCommandFor("D:\\tones\\b.Mp3"),
              "open \"D:\\tones\\b.Mp3\" type mpegvideo alias QZMedia00000001");
    // Double-byte names pass unchanged, 0x5C second bytes included ("表" is 95 5C).
    EXPECT_EQ(OpenCommandFor("C:\\音\\表.wav"), "open \"C:\\音\\表.wav\" alias QZMedia00000002");
}

TEST_F(MediaPlaybackTest, UnknownTypeSendsAnEmptyOpenButStillRunsItsCourse) {
    for (const std::string path : {"C:\\a.wave", "C:\\a.ogg", "wav", ""}) {
        std::vector<SentCommand> sent = Play(path, 0);
        ASSERT_EQ(sent.size(), 4u) << path;
        EXPECT_EQ(sent[0].command, "") << path;
        EXPECT_EQ(sent[3].command.substr(0, 13), "close QZMedia") << path;
        EXPECT_EQ(os.sleptMilliseconds, 22000) << path;
    }
}

TEST_F(MediaPlaybackTest, EachSoundTakesTheNextAliasAndTheCounterWraps) {
    EXPECT_EQ(Play("C:\\a.wav", 0)[1].command, "play QZMedia00000000");
    EXPECT_EQ(Play("C:\\b.wav", 1000)[1].command, "play QZMedia00000001");
    aliasCounter = 0xFFFFFFFEu;
    EXPECT_EQ(Play("C:\\a.wav", 0)[1].command, "play QZMediaFFFFFFFE");
    EXPECT_EQ(Play("C:\\a.wav", 0)[1].command, "play QZMediaFFFFFFFF");
    EXPECT_EQ(Play("C:\\a.wav", 0)[1].command, "play QZMedia00000000");
}
}  // namespace
