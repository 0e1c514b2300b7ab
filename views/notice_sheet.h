// The notice page without the drawing: the heading "お知らせ" and the shown notice's title and
// date line with its place among the notices ("n件目(m件中)"). Its body goes into the HTML pane
// below. Showing a notice is what marks it read. Rectangles are panel-client pixels.
#pragma once

#include <cstdint>
#include <optional>

#include "store/news_store.h"
#include "views/text_box.h"
#include "views/view_rect.h"

// The heading and the title are drawn with smoothed text, the date line with the system's text
// rendering.
struct NoticePicture {
    TextBox heading;
    std::optional<TextBox> title;
    std::optional<TextBox> dateLine;
};

class NoticeSheet {
public:
    // The sheet's fonts, indexes of TextBox::font.
    static constexpr int FONT_HEADING = 0;  // "ＭＳ Ｐゴシック" 11 pt bold: heading and title
    static constexpr int FONT_DATE = 1;     // "ＭＳ Ｐゴシック" 9 pt
    static constexpr uint32_t DATE_COLOUR = Rgb(200, 200, 141);
    static constexpr uint32_t TEXT_COLOUR = Rgb(255, 255, 255);

    // Lays the sheet out with its top-left corner at (originX, originY). The shown notice stays
    // (a new sheet starts with the newest).
    void Layout(int originX, int originY);

    // The picture of the current notice. A notice shown unread is marked read, and the store
    // saved, here; one shown before saves nothing.
    NoticePicture Show(NewsStore& notices) const;

    // The shown notice, 0 = the newest.
    int Current() const { return current_; }
    void SetCurrent(int current) { current_ = current; }
    // Where the notice's body goes.
    const ViewRect& BodyRect() const { return body_; }

private:
    int current_ = 0;
    ViewRect heading_;
    ViewRect title_;
    ViewRect dateLine_;
    ViewRect body_;
};
