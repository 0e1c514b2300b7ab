// Where the panel opens: a stored place out of the screen's reach falls back to the corner.
#include "app/window_position.h"

#include <gtest/gtest.h>

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
}  // namespace
