#include "panel/page_layout.h"

#include "resources/resource.h"

namespace {
constexpr int PANEL_WIDTH = 240;

struct PageArt {
    int bitmap;
    int height;
};

constexpr PageArt PAGE_ART[PANEL_PAGE_COUNT] = {
    {IDB_PAGE_CALENDAR, 534}, {IDB_PAGE_LIST, 342},    {IDB_PAGE_NEWS, 534},
    {IDB_PAGE_NOTICES, 534},  {IDB_PAGE_SIGNALS, 535},
};

// Folding the calendar lifts the indicator view and its list by the calendar's height.
constexpr int FOLD_LIFT = 190;

const ViewRect CALENDAR_VIEW_RECT = ViewRect::At(2, 70, 220, 200);
const ViewRect INDEX_VIEW_RECT = ViewRect::At(8, 276, 220, 250);
const ViewRect NEWS_VIEW_RECT = ViewRect::At(2, 70, 240, 500);
const ViewRect NOTICE_VIEW_RECT = ViewRect::At(2, 70, 220, 500);
const ViewRect SIGNAL_VIEW_RECT = ViewRect::At(2, 70, 220, 500);
const ViewRect LIST_RECT = ViewRect::At(8, 294, 220, 150);

ViewRect Lifted(ViewRect rect) {
    rect.top -= FOLD_LIFT;
    rect.bottom -= FOLD_LIFT;
    return rect;
}

int TabOf(int page) {
    switch (page) {
    case PAGE_CALENDAR:
    case PAGE_LIST: return IDB_TAB_INDICATORS;
    case PAGE_NEWS: return IDB_TAB_NEWS;
    case PAGE_NOTICES: return IDB_TAB_NOTICES;
    default: return 0;
    }
}
}  // namespace

PageLayout LayoutOfPage(int page) {
    if (page < 0 || page >= PANEL_PAGE_COUNT) page = PAGE_CALENDAR;
    const bool folded = page == PAGE_LIST;

    PageLayout layout;
    layout.art = PAGE_ART[page].bitmap;
    layout.width = PANEL_WIDTH;
    layout.height = PAGE_ART[page].height;
    layout.views = {CALENDAR_VIEW_RECT, folded ? Lifted(INDEX_VIEW_RECT) : INDEX_VIEW_RECT,
                    NEWS_VIEW_RECT, NOTICE_VIEW_RECT, SIGNAL_VIEW_RECT};
    layout.shown[CALENDAR_VIEW] = page == PAGE_CALENDAR;
    layout.shown[INDEX_VIEW] = page == PAGE_CALENDAR || folded;
    layout.shown[NEWS_VIEW] = page == PAGE_NEWS;
    layout.shown[NOTICE_VIEW] = page == PAGE_NOTICES;
    layout.shown[SIGNAL_VIEW] = page == PAGE_SIGNALS;
    layout.list = folded ? Lifted(LIST_RECT) : LIST_RECT;
    layout.foldShown = page == PAGE_CALENDAR;
    layout.unfoldShown = folded;
    layout.chosenTab = TabOf(page);
    return layout;
}
