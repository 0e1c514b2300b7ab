// One text a view draws: where, in which of the view's fonts and colours, and how aligned. The
// views decide these portably; the drawing code only carries them out.
#pragma once

#include <cstdint>
#include <string>

#include "views/view_rect.h"

enum class TextAlign { Near = 0, Center = 1, Far = 2 };

// A colour as the system's COLORREF, 0x00BBGGRR.
constexpr uint32_t Rgb(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
           static_cast<uint32_t>(blue) << 16;
}

struct TextBox {
    ViewRect rect;
    std::string text;  // CP932
    int font = 0;      // index into the view's own fonts
    uint32_t colour = 0;
    TextAlign align = TextAlign::Center;
    int dy = 0;  // the text is drawn this many pixels lower than the rectangle
    // A text that may not fit its rectangle ends in an ellipsis inside it rather than running
    // on towards a neighbour.
    bool ellipsis = false;
    // A text that may need several lines (a news title) wraps at the rectangle's width, the way
    // its height was measured, so what is drawn takes the rows the layout counted.
    bool wrap = false;

    bool operator==(const TextBox&) const = default;
};
