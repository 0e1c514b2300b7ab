#include "views/indicator_details.h"

#include <algorithm>
#include <string>

#include "base/local_time.h"
#include "base/byte_text.h"

void IndicatorDetails::Layout(int originX, int originY) {
    auto place = [&](int x, int y, int width, int height) {
        return ViewRect::At(originX + x, originY + y, width, height);
    };
    title_ = place(0, 0, 140, 20);
    clock_ = place(60, 2, 144, 20);
    name_ = place(0, 184, 226, 36);
    rank_ = place(0, 218, 160, 18);
    forecast_ = place(60, 202, 160, 18);
    previous_ = place(60, 218, 160, 18);
    result_ = place(60, 234, 160, 18);
}

DetailPicture IndicatorDetails::Picture(const IndicatorRecord* selected, int64_t now,
                                        const FontTextWidth& widthOf) const {
    DetailPicture picture;
    LocalTime local = ToLocalTime(now);
    std::string clock = FormatText("%d %d/%d %02d:%02d", local.year, local.month, local.day,
                                   local.hour, local.minute);
    // The clock is right-aligned: its text begins its own width left of the place's right edge.
    int clockWidth = std::min(widthOf(clock, FONT_CLOCK), clock_.Width());
    ViewRect title = title_;
    title.right =
        std::max(title.left, std::min(title.right, clock_.right - clockWidth - TITLE_CLOCK_GAP));
    picture.title = {title, "重要指標アラート", FONT_TITLE, TITLE_COLOUR, TextAlign::Near, 0, true};
    picture.texts.push_back({clock_, clock, FONT_CLOCK, CLOCK_COLOUR, TextAlign::Far});
    if (!selected) return picture;

    std::string stars;
    int starCount = selected->rank < MAX_STARS ? selected->rank : MAX_STARS;
    for (int i = 0; i < starCount; ++i) stars += "★";
    auto detail = [&](const ViewRect& rect, std::string text) {
        picture.texts.push_back({rect, std::move(text), FONT_DETAIL, TEXT_COLOUR, TextAlign::Near});
    };
    detail(name_, selected->name);
    detail(rank_, stars);
    detail(forecast_, "予想:" + selected->forecast);
    detail(previous_, "前回値:" + selected->previous);
    detail(result_, "結果:" + selected->result);
    return picture;
}
