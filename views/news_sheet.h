// The news page without the drawing: up to five items a page, as many as fit above the page box,
// each with its date line and its title, the selected one expanded with room for its body (where
// the HTML pane goes) and, for an advert, the icon that opens its video; below them the page box
// "page/pages". What a mouse event on it means. All points and rectangles are panel-client pixels.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "store/news_store.h"
#include "views/news_paging.h"
#include "views/text_box.h"
#include "views/view_rect.h"

// Where a title lies when it is wrapped into the given box: the box the drawing measures.
using TitleMeasure = std::function<ViewRect(const std::string& title, const ViewRect& box)>;

struct NewsPicture {
    std::vector<TextBox> texts;
    std::optional<ViewRect> advertIcon;  // icon 187, 16 x 16 at the top-left corner
    ViewRect pageBoxFrame;               // filled grey
    ViewRect pageBoxInside;              // filled black
    TextBox pageNumber;
    int page = 0;  // the page shown: the one asked for, brought within the page count
};

struct NewsPointerResult {
    bool repaint = false;  // a title was chosen: redraw the view and rebuild the HTML pane
    bool handCursor = false;
    std::string videoAddress;  // the advert's video to open (a web address); "" for none

    bool operator==(const NewsPointerResult&) const = default;
};

class NewsSheet {
public:
    static constexpr int ITEMS_PER_PAGE = 5;
    // The sheet's fonts, indexes of TextBox::font.
    static constexpr int FONT_PLAIN = 0;     // "ＭＳ Ｐゴシック" 9 pt: dates, the page box
    static constexpr int FONT_LINK = 1;      // the same, underlined: titles to choose
    static constexpr int FONT_SELECTED = 2;  // the same: the expanded item's title
    static constexpr uint32_t DATE_COLOUR = Rgb(200, 200, 141);
    static constexpr uint32_t TITLE_COLOUR = Rgb(255, 255, 255);
    static constexpr uint32_t PAGE_BOX_COLOUR = Rgb(174, 174, 174);
    static constexpr uint32_t PAGE_NUMBER_COLOUR = Rgb(255, 255, 255);

    // Lays the sheet out with its top-left corner at (originX, originY); nothing is pressed. The
    // selected item stays (a new sheet starts with the newest item of the page).
    void Layout(int originX, int originY);

    // Places the items of news page newsPage (0 = the newest items): where the titles, the body
    // and the advert icon lie, which the mouse events and the HTML pane go by. The titles are
    // measured, and the pages found, only when the store's titles or the sheet's place changed
    // since the last time; `measure` is the drawing font's and stays the same for the sheet. It
    // may be empty when MeasuredFor holds. The page count shrinks when items leave the store or
    // titles grow, so the page asked for is brought within 0 .. pages - 1 first; returns the
    // page arranged, which the caller keeps as its page from then on.
    int Arrange(const NewsStore& news, int newsPage, const TitleMeasure& measure);
    // Arranges the page and returns its picture.
    NewsPicture Picture(const NewsStore& news, int newsPage, const TitleMeasure& measure);

    // The store's titles as they are now were measured at the sheet's place: arranging needs no
    // measure.
    bool MeasuredFor(const NewsStore& news) const;
    // The number of pages as last arranged; pages of five while the store holds titles not yet
    // arranged.
    int PageCount(const NewsStore& news) const;
    // The index (0 = newest) of the expanded item of the page (a page past the last one as
    // arranged is taken as the last).
    int SelectedItem(int newsPage) const;

    // The point lies on a title or the advert icon: pressing there does not drag the panel.
    bool HitTest(int x, int y) const;
    NewsPointerResult MouseMove(int x, int y) const;
    NewsPointerResult ButtonDown(int x, int y);
    NewsPointerResult ButtonUp(int x, int y);

    // The expanded position on the page, 0..4.
    int Selected() const { return selected_; }
    void Select(int position) { selected_ = position; }
    // Where the expanded item's body goes; empty when the page does not show that item.
    const ViewRect& BodyRect() const { return body_; }

private:
    static constexpr int NOTHING_PRESSED = -1;
    static constexpr int ICON_PRESSED = 999;

    // One item of the page as placed: its date line's box and its title's drawing box.
    struct PlacedItem {
        int index = 0;  // in the store, from the newest
        ViewRect date;
        ViewRect title;
        bool selected = false;
    };

    // The position of the title under the point, or -1.
    int TitleAt(int x, int y) const;
    bool HandCursorAt(int x, int y) const;
    void ForgetPlaces();
    void MeasureTitles(const NewsStore& news, const TitleMeasure& measure);
    void FindPages(const std::vector<NewsItemSize>& sizes);
    bool Paged() const { return measuredStamp_ != NOT_MEASURED; }
    void PlaceItems(const NewsStore& news, int newsPage);
    int FirstItemOf(int newsPage) const;
    int EndOf(int newsPage, int itemCount) const;

    int originX_ = 0;
    int originY_ = 0;
    int selected_ = 0;
    int pressed_ = NOTHING_PRESSED;
    std::array<ViewRect, ITEMS_PER_PAGE> titles_{};
    ViewRect body_;
    ViewRect icon_;
    std::string advertBody_;  // the body of the expanded advert whose icon is shown
    std::vector<PlacedItem> placed_;
    // The store's stamp when its titles were measured last (none before the first measure and
    // after a move); each title's measure (newest first) relative to the top-left corner of its
    // box; the pages they make.
    static constexpr uint64_t NOT_MEASURED = 0;  // stores stamp from 1 on
    uint64_t measuredStamp_ = NOT_MEASURED;
    std::vector<ViewRect> titleExtents_;
    std::vector<int> pageStarts_;
};
