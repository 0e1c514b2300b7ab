// Where the panel goes when it opens: the stored position, unless that would put it out of reach.
#pragma once

struct ScreenPoint {
    int x = 0;
    int y = 0;

    bool operator==(const ScreenPoint&) const = default;
};

// The stored top-left corner when it lies on the desktop (up to 50 pixels off its left or top
// edge is allowed, so a panel dragged partly off screen stays there); otherwise (0, 0). A
// position kept from a larger or a second monitor thus never hides the panel.
ScreenPoint ClampWindowPosition(int desktopWidth, int desktopHeight, ScreenPoint stored);
