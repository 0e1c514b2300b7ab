// The indicator page's detail area without the drawing: the title, the clock and the selected
// announcement's name, importance stars, forecast, previous value and result, with the places
// and fonts they are drawn in (panel-client pixels).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "store/indicator_record.h"
#include "views/text_box.h"
#include "views/view_rect.h"

// The width in pixels of a text in one of the area's fonts, as the drawing measures it.
using FontTextWidth = std::function<int(const std::string& text, int font)>;

// The title is drawn with smoothed text; the other texts with the system's text rendering.
struct DetailPicture {
    TextBox title;
    std::vector<TextBox> texts;
};

class IndicatorDetails {
public:
    static constexpr int FONT_TITLE = 0;   // "ＭＳ Ｐゴシック" 10 pt bold
    static constexpr int FONT_CLOCK = 1;   // "ＭＳ Ｐゴシック" 9 pt
    static constexpr int FONT_DETAIL = 2;  // "ＭＳ Ｐゴシック" 9 pt
    static constexpr uint32_t TITLE_COLOUR = Rgb(255, 0, 0);
    static constexpr uint32_t CLOCK_COLOUR = Rgb(200, 200, 141);
    static constexpr uint32_t TEXT_COLOUR = Rgb(255, 255, 255);
    // More stars than this would not fit the line; a feed cannot make the view build a huge
    // text from its rank.
    static constexpr int MAX_STARS = 20;
    // Free pixels kept between the end of the title and the start of the clock text.
    static constexpr int TITLE_CLOCK_GAP = 4;

    // Lays the area out with its top-left corner at (originX, originY).
    void Layout(int originX, int originY);

    // The area at the local time of `now` (seconds since 1970), for the selected announcement
    // or, with none, only the title and the clock. The title's place overlaps the clock's, so
    // the title keeps only the room left of the clock text as `widthOf` measures it and is
    // shortened with an ellipsis when it needs more.
    DetailPicture Picture(const IndicatorRecord* selected, int64_t now,
                          const FontTextWidth& widthOf) const;

private:
    ViewRect title_;
    ViewRect clock_;
    ViewRect name_;
    ViewRect rank_;
    ViewRect forecast_;
    ViewRect previous_;
    ViewRect result_;
};
