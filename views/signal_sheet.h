// The signal page without the drawing: the latest trade signal in three lines with its
// coloured marker at the start of the second, and the history lines below. The messages go
// into the HTML pane between them. Rectangles are panel-client pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/text_box.h"
#include "views/view_rect.h"

class SignalSheet {
public:
    // The sheet's fonts, indexes of TextBox::font.
    static constexpr int FONT_LATEST = 0;   // "ＭＳ Ｐゴシック" 12 pt bold
    static constexpr int FONT_HISTORY = 1;  // "ＭＳ Ｐゴシック" 9 pt
    static constexpr uint32_t TEXT_COLOUR = Rgb(255, 255, 255);
    static constexpr int HISTORY_LINE_HEIGHT = 14;

    // Lays the sheet out with its top-left corner at (originX, originY).
    void Layout(int originX, int originY);

    // latest: the four-line text of the newest signal ("" for none), its fourth line the
    // marker: a digit choosing the colour (0 red, 1 blue, 2 green, any other black; a
    // non-digit counts as 0), then the mark itself. history: the lines below, all of them.
    std::vector<TextBox> Picture(const std::string& latest,
                                 const std::vector<std::string>& history) const;

    // Where the messages go.
    const ViewRect& BodyRect() const { return body_; }

private:
    void AddLatest(std::vector<TextBox>& texts, const std::string& latest) const;

    ViewRect lines_[3];
    ViewRect historyStart_;
    ViewRect body_;
};
