#include "app/window_position.h"

namespace {
constexpr int MOST_OFF_SCREEN = 50;
}

ScreenPoint ClampWindowPosition(int desktopWidth, int desktopHeight, ScreenPoint stored) {
    bool outside = stored.x > desktopWidth || stored.y > desktopHeight ||
                   stored.x < -MOST_OFF_SCREEN || stored.y < -MOST_OFF_SCREEN;
    return outside ? ScreenPoint{} : stored;
}
