#include "sound/sound_playback.h"

#include <gtest/gtest.h>

#include "tests/support/test_os.h"

namespace {
TEST(SoundPlaybackTest, MediaPlayerResolvesRelativePathsAndKeepsTheDelay) {
    FakeOs os;
    SoundPlayback playback =
        PlanSoundPlayback({"sound\\default\\5.mp3", 1000}, SoundMode::MediaPlayer);
    EXPECT_EQ(playback.player, SoundMode::MediaPlayer);
    std::string separator(1, PathSeparator());
    EXPECT_EQ(playback.path,
              os.folder.Path() + "sound" + separator + "default" + separator + "5.mp3");
    EXPECT_EQ(playback.delayMilliseconds, 1000);

    EXPECT_EQ(PlanSoundPlayback({"D:\\tones\\a.wav", 0}, SoundMode::MediaPlayer).path,
              "D:\\tones\\a.wav");
}

TEST(SoundPlaybackTest, SimplePlayerStartsAtOnce) {
    FakeOs os;
    SoundPlayback expected{SoundMode::SimplePlayer, "D:\\anews.wav", 0};
    EXPECT_EQ(PlanSoundPlayback({"D:\\anews.wav", 1000}, SoundMode::SimplePlayer), expected);
}

TEST(SoundPlaybackTest, NegativeDelayCountsAsNone) {
    FakeOs os;
    EXPECT_EQ(PlanSoundPlayback({"D:\\a.wav", -5}, SoundMode::MediaPlayer).delayMilliseconds, 0);
}
}  // namespace
