#include "views/button_state.h"

#include <gtest/gtest.h>

namespace {

constexpr bool INSIDE = true;
constexpr bool OUTSIDE = false;

TEST(ButtonStateTest, HoverShowsSecondFrameAndHoldsCaptureUntilThePointerLeaves) {
    ButtonState button(3);
    EXPECT_EQ(button.Frame(), 0);

    ButtonEffects over = button.MouseMove(INSIDE);
    EXPECT_EQ(button.Frame(), 1);
    EXPECT_TRUE(over.repaint);
    EXPECT_EQ(over.capture, CaptureChange::Take);

    ButtonEffects still = button.MouseMove(INSIDE);
    EXPECT_FALSE(still.repaint);
    EXPECT_EQ(still.capture, CaptureChange::None);

    ButtonEffects off = button.MouseMove(OUTSIDE);
    EXPECT_EQ(button.Frame(), 0);
    EXPECT_TRUE(off.repaint);
    EXPECT_EQ(off.capture, CaptureChange::Release);
    EXPECT_FALSE(off.clicked);
}

TEST(ButtonStateTest, ClickInsideReportsAndLeavesTheButtonHovered) {
    ButtonState button(4);
    button.MouseMove(INSIDE);
    ButtonEffects down = button.ButtonDown(INSIDE);
    EXPECT_EQ(button.Frame(), 2);
    EXPECT_TRUE(down.repaint);
    EXPECT_EQ(down.capture, CaptureChange::None);  // already held while hovering

    ButtonEffects up = button.ButtonUp(INSIDE);
    EXPECT_TRUE(up.clicked);
    EXPECT_TRUE(up.repaint);
    EXPECT_EQ(up.capture, CaptureChange::None);
    EXPECT_EQ(button.Mode(), ButtonMode::Hover);
    EXPECT_EQ(button.Frame(), 1);
}

TEST(ButtonStateTest, DraggingOffAndReleasingOutsideReportsNothing) {
    ButtonState button(3);
    button.MouseMove(INSIDE);
    button.ButtonDown(INSIDE);
    button.MouseMove(OUTSIDE);
    EXPECT_EQ(button.Mode(), ButtonMode::PressedOutside);
    EXPECT_EQ(button.Frame(), 1);

    ButtonEffects up = button.ButtonUp(OUTSIDE);
    EXPECT_FALSE(up.clicked);
    EXPECT_TRUE(up.repaint);
    EXPECT_EQ(up.capture, CaptureChange::Release);
    EXPECT_EQ(button.Frame(), 0);
    // The next move elsewhere changes nothing.
    EXPECT_FALSE(button.MouseMove(OUTSIDE).repaint);
}

TEST(ButtonStateTest, DraggingOffAndBackOnThenReleasingReports) {
    ButtonState button(3);
    button.MouseMove(INSIDE);
    button.ButtonDown(INSIDE);
    button.MouseMove(OUTSIDE);
    button.MouseMove(INSIDE);
    EXPECT_EQ(button.Frame(), 2);
    EXPECT_TRUE(button.ButtonUp(INSIDE).clicked);
}

TEST(ButtonStateTest, ReleaseWithoutAPressOnTheButtonIsNoClick) {
    ButtonState button(3);
    button.MouseMove(INSIDE);
    ButtonEffects up = button.ButtonUp(INSIDE);
    EXPECT_FALSE(up.clicked);
    EXPECT_EQ(button.Frame(), 1);
}

TEST(ButtonStateTest, PressWithoutAPrecedingMoveStillTakesTheCapture) {
    ButtonState button(3);
    ButtonEffects down = button.ButtonDown(INSIDE);
    EXPECT_EQ(down.capture, CaptureChange::Take);
    EXPECT_EQ(button.Frame(), 2);
    EXPECT_TRUE(button.ButtonUp(INSIDE).clicked);
}

TEST(ButtonStateTest, ChosenTabShowsFourthFrameWhateverTheMouseDoes) {
    ButtonState tab(4);
    tab.SetSelected(true);
    EXPECT_EQ(tab.Frame(), 3);
    tab.MouseMove(INSIDE);
    EXPECT_EQ(tab.Frame(), 3);
    tab.ButtonDown(INSIDE);
    EXPECT_EQ(tab.Frame(), 3);
    tab.SetSelected(false);
    EXPECT_EQ(tab.Frame(), 2);  // back to the frame of its state
}

TEST(ButtonStateTest, FrameNeverLiesOutsideTheStrip) {
    ButtonState single(1);
    single.MouseMove(INSIDE);
    EXPECT_EQ(single.Frame(), 0);
    single.ButtonDown(INSIDE);
    EXPECT_EQ(single.Frame(), 0);

    ButtonState three(3);
    three.SetSelected(true);
    EXPECT_EQ(three.Frame(), 0);
}

TEST(ButtonStateTest, LeavingDropsPressAndCaptureOnce) {
    ButtonState button(3);
    button.ButtonDown(INSIDE);
    ButtonEffects left = button.Leave();
    EXPECT_TRUE(left.repaint);
    EXPECT_EQ(left.capture, CaptureChange::Release);
    EXPECT_EQ(button.Mode(), ButtonMode::Normal);
    // A release afterwards is no click, and leaving again changes nothing.
    EXPECT_FALSE(button.ButtonUp(OUTSIDE).clicked);
    ButtonEffects again = button.Leave();
    EXPECT_FALSE(again.repaint);
    EXPECT_EQ(again.capture, CaptureChange::None);
}

}  // namespace
