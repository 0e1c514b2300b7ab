#include "views/news_sheet.h"

#include <algorithm>

#include "base/local_time.h"
#include "base/byte_text.h"
#include "views/advert_video.h"
#include "views/web_address.h"

namespace {

constexpr int LEFT_MARGIN = 10;
constexpr int TOP_MARGIN = 16;
constexpr int ITEM_GAP = 12;
constexpr int LINE_WIDTH = 220;
constexpr int DATE_HEIGHT = 12;
constexpr int TITLE_HEIGHT = 36;
constexpr int BODY_WIDTH = 220;
constexpr int BODY_HEIGHT = 140;
constexpr int BODY_GAP = 6;
constexpr int ICON_SIZE = 18;
constexpr int ICON_GAP = 2;
// Out of the pointer's reach while no advert is expanded.
constexpr int HIDDEN_ICON_AT = -100;
const ViewRect PAGE_BOX{60, 424, 180, 443};

std::string DateLine(int64_t when) {
    LocalTime local = ToLocalTime(when);
    return FormatText("%d/%02d/%02d %02d：%02d：%02d", local.year, local.month, local.day,
                      local.hour, local.minute, local.second);
}

ViewRect Shrunk(const ViewRect& rect, int by) {
    return ViewRect{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

void MoveDown(ViewRect& rect, int dy) {
    rect.top += dy;
    rect.bottom += dy;
}

int FixedPageCount(int itemCount) {
    return itemCount / NewsSheet::ITEMS_PER_PAGE +
           (itemCount % NewsSheet::ITEMS_PER_PAGE != 0 ? 1 : 0);
}

}  // namespace

void NewsSheet::Layout(int originX, int originY) {
    if (originX != originX_ || originY != originY_) measuredStamp_ = NOT_MEASURED;
    originX_ = originX;
    originY_ = originY;
    // The panel places its views again at every page switch; the expanded item stays chosen.
    pressed_ = NOTHING_PRESSED;
    ForgetPlaces();
}

void NewsSheet::ForgetPlaces() {
    titles_.fill(ViewRect{});
    body_ = ViewRect{};
    icon_ = ViewRect::At(HIDDEN_ICON_AT, HIDDEN_ICON_AT, ICON_SIZE, ICON_SIZE);
    advertBody_.clear();
    placed_.clear();
}

namespace {

ViewRect FirstDateBox(int originX, int originY) {
    return ViewRect::At(originX + LEFT_MARGIN, originY + TOP_MARGIN, LINE_WIDTH, DATE_HEIGHT);
}

ViewRect TitleBoxBelow(const ViewRect& date) {
    return ViewRect::At(date.left, date.bottom, LINE_WIDTH, TITLE_HEIGHT);
}

ViewRect Translated(const ViewRect& extent, const ViewRect& box) {
    return ViewRect{box.left + extent.left, box.top + extent.top, box.left + extent.right,
                    box.top + extent.bottom};
}

}  // namespace

bool NewsSheet::MeasuredFor(const NewsStore& news) const {
    return measuredStamp_ == news.Stamp();  // never NOT_MEASURED
}

void NewsSheet::MeasureTitles(const NewsStore& news, const TitleMeasure& measure) {
    // A title wraps the same wherever its box lies: one measure at the first box serves every
    // place on every page.
    ViewRect box = TitleBoxBelow(FirstDateBox(originX_, originY_));
    measuredStamp_ = news.Stamp();
    titleExtents_.clear();
    std::vector<NewsItemSize> sizes;
    for (const iaNews* item : news.ItemsFromNewest()) {
        ViewRect measured = measure(item->title, box);
        titleExtents_.push_back(ViewRect{measured.left - box.left, measured.top - box.top,
                                         measured.right - box.left, measured.bottom - box.top});
        sizes.push_back({DATE_HEIGHT + measured.Height(), item->advert});
    }
    FindPages(sizes);
}

void NewsSheet::FindPages(const std::vector<NewsItemSize>& sizes) {
    NewsPageRoom room;
    room.height = PAGE_BOX.top - (originY_ + TOP_MARGIN);
    room.gap = ITEM_GAP;
    room.expanded = BODY_GAP + BODY_HEIGHT;
    room.advertIcon = ICON_GAP + ICON_SIZE;
    room.maxItems = ITEMS_PER_PAGE;
    pageStarts_ = NewsPageStarts(sizes, room);
}

int NewsSheet::PageCount(const NewsStore& news) const {
    return MeasuredFor(news) ? static_cast<int>(pageStarts_.size()) : FixedPageCount(news.Count());
}

int NewsSheet::FirstItemOf(int newsPage) const {
    if (newsPage < 0) return 0;
    if (!Paged()) return newsPage * ITEMS_PER_PAGE;
    if (pageStarts_.empty()) return 0;
    return pageStarts_[std::min(static_cast<size_t>(newsPage), pageStarts_.size() - 1)];
}

int NewsSheet::EndOf(int newsPage, int itemCount) const {
    if (!Paged() || newsPage < 0 || static_cast<size_t>(newsPage) + 1 >= pageStarts_.size()) {
        return itemCount;
    }
    return pageStarts_[static_cast<size_t>(newsPage) + 1];
}

int NewsSheet::SelectedItem(int newsPage) const { return FirstItemOf(newsPage) + selected_; }

int NewsSheet::Arrange(const NewsStore& news, int newsPage, const TitleMeasure& measure) {
    if (!MeasuredFor(news)) MeasureTitles(news, measure);
    const int page = std::clamp(newsPage, 0, std::max(0, PageCount(news) - 1));
    PlaceItems(news, page);
    return page;
}

void NewsSheet::PlaceItems(const NewsStore& news, int newsPage) {
    // A position without an item keeps no title place, so a click there chooses nothing.
    ForgetPlaces();
    ViewRect date = FirstDateBox(originX_, originY_);
    ViewRect title = TitleBoxBelow(date);
    int first = FirstItemOf(newsPage);
    int end = EndOf(newsPage, news.Count());
    for (int position = 0; position < ITEMS_PER_PAGE && first < end - position; ++position) {
        const iaNews* item = news.ItemFromNewest(first + position);
        if (!item) break;
        bool selected = position == selected_;
        ViewRect measured = Translated(titleExtents_[static_cast<size_t>(first + position)], title);
        // The title wraps at its box's width, as measured, and keeps every line measured.
        ViewRect drawn = title;
        drawn.bottom = std::max(title.bottom, measured.bottom);
        placed_.push_back({first + position, date, drawn, selected});
        titles_[static_cast<size_t>(position)] = measured;
        int advance = measured.Height() + date.Height();
        if (selected) {
            body_ = ViewRect::At(LEFT_MARGIN, measured.bottom + BODY_GAP, BODY_WIDTH, BODY_HEIGHT);
            MoveDown(date, BODY_HEIGHT + BODY_GAP);
            MoveDown(title, BODY_HEIGHT + BODY_GAP);
            if (item->advert) {
                icon_ = ViewRect::At(body_.right - ICON_SIZE, body_.bottom + ICON_GAP, ICON_SIZE,
                                     ICON_SIZE);
                advertBody_ = item->body;
            }
        }
        MoveDown(date, advance + ITEM_GAP);
        MoveDown(title, advance + ITEM_GAP);
    }
}

NewsPicture NewsSheet::Picture(const NewsStore& news, int newsPage, const TitleMeasure& measure) {
    NewsPicture picture;
    picture.page = Arrange(news, newsPage, measure);
    for (const PlacedItem& placed : placed_) {
        const iaNews* item = news.ItemFromNewest(placed.index);
        picture.texts.push_back(
            {placed.date, DateLine(item->when), FONT_PLAIN, DATE_COLOUR, TextAlign::Near});
        TextBox title{placed.title, item->title, placed.selected ? FONT_SELECTED : FONT_LINK,
                      TITLE_COLOUR, TextAlign::Near};
        // Drawn in the box it was measured in, wrapped the same way.
        title.wrap = true;
        picture.texts.push_back(title);
    }
    if (icon_.left != HIDDEN_ICON_AT) picture.advertIcon = icon_;
    picture.pageBoxFrame = PAGE_BOX;
    picture.pageBoxInside = Shrunk(PAGE_BOX, 1);
    picture.pageNumber = {Shrunk(PAGE_BOX, 3),
                          FormatText("%d/%d", picture.page + 1, PageCount(news)), FONT_PLAIN,
                          PAGE_NUMBER_COLOUR, TextAlign::Center};
    return picture;
}

int NewsSheet::TitleAt(int x, int y) const {
    for (int position = 0; position < ITEMS_PER_PAGE; ++position) {
        if (titles_[static_cast<size_t>(position)].Contains(x, y)) return position;
    }
    return -1;
}

bool NewsSheet::HitTest(int x, int y) const { return TitleAt(x, y) >= 0 || icon_.Contains(x, y); }

bool NewsSheet::HandCursorAt(int x, int y) const {
    int title = TitleAt(x, y);
    return (title >= 0 && title != selected_) || icon_.Contains(x, y);
}

NewsPointerResult NewsSheet::MouseMove(int x, int y) const {
    NewsPointerResult result;
    result.handCursor = HandCursorAt(x, y);
    return result;
}

NewsPointerResult NewsSheet::ButtonDown(int x, int y) {
    NewsPointerResult result = MouseMove(x, y);
    int title = TitleAt(x, y);
    if (title >= 0) {
        pressed_ = title;
    } else if (icon_.Contains(x, y)) {
        pressed_ = ICON_PRESSED;
    }
    return result;
}

NewsPointerResult NewsSheet::ButtonUp(int x, int y) {
    NewsPointerResult result = MouseMove(x, y);
    int title = TitleAt(x, y);
    if (title >= 0) {
        if (title == pressed_) {
            selected_ = title;
            pressed_ = NOTHING_PRESSED;
            result.repaint = true;
        }
    } else if (icon_.Contains(x, y) && pressed_ == ICON_PRESSED) {
        // The click is used up: a later release over the icon alone opens nothing.
        pressed_ = NOTHING_PRESSED;
        // The address comes from the feed's body: only a plain web address goes to the shell.
        std::string address = AdvertVideoAddress(advertBody_);
        if (IsOpenableWebAddress(address)) result.videoAddress = address;
    }
    return result;
}
