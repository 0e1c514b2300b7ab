// A rectangle on the panel in client pixels, as the views lay themselves out: columns left ..
// right - 1 and rows top .. bottom - 1 belong to it, as with the system's PtInRect.
#pragma once

struct ViewRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // width x height with its top-left corner at (x, y).
    static ViewRect At(int x, int y, int width, int height) {
        return ViewRect{x, y, x + width, y + height};
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

    bool operator==(const ViewRect&) const = default;
};
