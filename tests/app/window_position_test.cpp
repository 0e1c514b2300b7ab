// The small rules of the core: where the panel opens, where a sound file lies, and when the
// terms of use must be accepted again.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/sound_path.h"
#include "app/terms.h"
#include "app/window_position.h"
#include "tests/support/test_os.h"

namespace {
TEST(WindowPosition, APanelOutOfReachMovesToTheCorner) {
    EXPECT_EQ(ClampWindowPosition(1920, 1080, {-51, 10}), (ScreenPoint{0, 0}));
    EXPECT_EQ(ClampWindowPosition(1920, 1080, {10, -51}), (ScreenPoint{0, 0}));
    EXPECT_EQ(ClampWindowPosition(1920, 1080, {1921, 10}), (ScreenPoint{0, 0}));
    EXPECT_EQ(ClampWindowPosition(1920, 1080, {10, 1081}), (ScreenPoint{0, 0}));
}

TEST(WindowPosition, APanelWithinReachStays) {
    EXPECT_EQ(ClampWindowPosition(1920, 1080, {-50, -50}), (ScreenPoint{-50, -50}));
    EXPECT_EQ(ClampWindowPosition(1920, 1080, {1920, 1080}), (ScreenPoint{1920, 1080}));
    EXPECT_EQ(ClampWindowPosition(1920, 1080, {300, 200}), (ScreenPoint{300, 200}));
}

TEST(SoundPath, RelativePathsLieInTheProgramFolder) {
    FakeOs os;
    const bool slash = PathSeparator() == '/';
    EXPECT_EQ(ResolveSoundPath("sound\\default\\0.wav"),
              os.folder.Path() + (slash ? "sound/default/0.wav" : "sound\\default\\0.wav"));
    // "表" is 0x95 0x5C: its second byte is no separator.
    EXPECT_EQ(ResolveSoundPath("表\\a.wav"), os.folder.Path() + (slash ? "表/a.wav" : "表\\a.wav"));
    EXPECT_EQ(ResolveSoundPath("C:a.wav"), os.folder.Path() + "C:a.wav");
    EXPECT_EQ(ResolveSoundPath(""), os.folder.Path());
}

TEST(SoundPath, AbsolutePathsAreKept) {
    FakeOs os;
    EXPECT_EQ(ResolveSoundPath("C:\\Users\\me\\chime.wav"), "C:\\Users\\me\\chime.wav");
    EXPECT_EQ(ResolveSoundPath("d:\\x.mp3"), "d:\\x.mp3");
    if (PathSeparator() == '/') {
        EXPECT_EQ(ResolveSoundPath("/opt/sounds/x.wav"), "/opt/sounds/x.wav");
    }
}

// Tests run in Japan standard time, so the terms took effect at 2013-09-03 15:00:00 UTC.
TEST(Terms, AcceptanceBeforeTheCurrentTermsMustBeRenewed) {
    const int32_t threshold = 1378220400;
    EXPECT_EQ(TermsThreshold(), threshold);
    EXPECT_TRUE(NeedsTermsAcceptance(0));
    EXPECT_TRUE(NeedsTermsAcceptance(threshold - 1));
    EXPECT_FALSE(NeedsTermsAcceptance(threshold));
    EXPECT_FALSE(NeedsTermsAcceptance(INT32_MAX));
    // A stored value with the top bit set is a time before 1970, not one after 2038.
    EXPECT_TRUE(NeedsTermsAcceptance(INT32_MIN));
    EXPECT_TRUE(NeedsTermsAcceptance(-1));
}
}  // namespace
