#include <gtest/gtest.h>

#include <string>

#include "panel/balloon_field.h"
#include "panel/tray_response.h"

namespace {

constexpr int NO_BALLOON = 0;
constexpr int NEWS_BALLOON = 1;
constexpr int NOTICE_BALLOON = 2;

TEST(TrayResponseTest, DoubleClickTogglesAndRightButtonShowsTheMenuWhateverTheBalloon) {
    for (int kind : {NO_BALLOON, NEWS_BALLOON, NOTICE_BALLOON}) {
        EXPECT_EQ(DecideTrayResponse(TRAY_LEFT_DOUBLE_CLICK, kind),
                  PanelEffects{{PanelEffectKind::TogglePanel}});
        EXPECT_EQ(DecideTrayResponse(TRAY_RIGHT_BUTTON_UP, kind),
                  PanelEffects{{PanelEffectKind::ShowMenu}});
    }
}

TEST(TrayResponseTest, BalloonClickOpensThePageOfWhatTheBalloonAnnounced) {
    EXPECT_EQ(DecideTrayResponse(TRAY_BALLOON_CLICKED, NEWS_BALLOON),
              (PanelEffects{{PanelEffectKind::OpenPage, 2}}));
    EXPECT_EQ(DecideTrayResponse(TRAY_BALLOON_CLICKED, NOTICE_BALLOON),
              (PanelEffects{{PanelEffectKind::OpenPage, 3}}));
    // Without a known kind the panel is only shown.
    EXPECT_EQ(DecideTrayResponse(TRAY_BALLOON_CLICKED, NO_BALLOON),
              (PanelEffects{{PanelEffectKind::OpenPage, NO_PAGE}}));
}

TEST(TrayResponseTest, OtherEventsDoNothing) {
    constexpr uint32_t mouseMove = 0x0200, leftDown = 0x0201, leftUp = 0x0202, rightDown = 0x0204,
                       balloonShown = 0x0402, balloonTimedOut = 0x0404;
    for (uint32_t event : {mouseMove, leftDown, leftUp, rightDown, balloonShown, balloonTimedOut}) {
        EXPECT_TRUE(DecideTrayResponse(event, NEWS_BALLOON).empty()) << event;
    }
}

TEST(BalloonFieldTest, CutsLongTextsToTheFieldSize) {
    std::string longText(300, 'a');
    EXPECT_EQ(FitBalloonField(longText, BALLOON_TITLE_BYTES), std::string(63, 'a'));
    EXPECT_EQ(FitBalloonField(longText, BALLOON_TEXT_BYTES), std::string(255, 'a'));
    EXPECT_EQ(FitBalloonField("新着ニュースがあります", BALLOON_TITLE_BYTES),
              "新着ニュースがあります");
}

TEST(BalloonFieldTest, NeverSplitsADoubleByteCharacter) {
    std::string title = std::string(62, 'a') + "あい";  // "あ" would need bytes 62 and 63
    EXPECT_EQ(FitBalloonField(title, BALLOON_TITLE_BYTES), std::string(62, 'a'));
    std::string fits = std::string(61, 'a') + "あい";
    EXPECT_EQ(FitBalloonField(fits, BALLOON_TITLE_BYTES), std::string(61, 'a') + "あ");
    // Half-width katakana are single bytes above 0x7F.
    EXPECT_EQ(FitBalloonField(std::string(70, '\xB1'), BALLOON_TITLE_BYTES),
              std::string(63, '\xB1'));
}

TEST(BalloonFieldTest, EndsAtTheFirstNulAndDropsADanglingLeadByte) {
    EXPECT_EQ(FitBalloonField(std::string("ab\0cd", 5), BALLOON_TEXT_BYTES), "ab");
    EXPECT_EQ(FitBalloonField("ab\x82", BALLOON_TEXT_BYTES), "ab");
}

}  // namespace
