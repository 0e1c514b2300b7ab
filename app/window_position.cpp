#include "app/window_position.h"

namespace {
constexpr int kMostOffScreen = 50;
}

ScreenPoint ClampWindowPosition(int desktopWidth, int desktopHeight, ScreenPoint stored) {
    bool outside = stored.x > desktopWidth || stored.y > desktopHeight ||
                   stored.x < -kMostOffScreen || stored.y < -kMostOffScreen;
    return outside ? ScreenPoint{} : stored;
}
