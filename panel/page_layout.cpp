#include "panel/page_layout.h"

#include "resources/resource.h"

namespace {
constexpr int kPanelWidth = 240;

struct PageArt {
    int bitmap;
    int height;
};

constexpr PageArt kPageArt[PANEL_PAGE_COUNT] = {
    {IDB_PAGE_CALENDAR, 534}, {IDB_PAGE_LIST, 342}, {IDB_PAGE_NEWS, 534},
    {IDB_PAGE_NOTICES, 534},  {IDB_PAGE_SIGNALS, 535},
};

// Folding the calendar lifts the indicator view and its list by the calendar's height.
constexpr int kFoldLift = 190;

const ViewRect kCalendarView = ViewRect::At(2, 70, 220, 200);
const ViewRect kIndexView = ViewRect::At(8, 276, 220, 250);
const ViewRect kNewsView = ViewRect::At(2, 70, 240, 500);
const ViewRect kNoticeView = ViewRect::At(2, 70, 220, 500);
const ViewRect kSignalView = ViewRect::At(2, 70, 220, 500);
const ViewRect kList = ViewRect::At(8, 294, 220, 150);

ViewRect Lifted(ViewRect rect) {
    rect.top -= kFoldLift;
    rect.bottom -= kFoldLift;
    return rect;
}

int TabOf(int page) {
    switch (page) {
    case PAGE_CALENDAR:
    case PAGE_LIST:
        return IDB_TAB_INDICATORS;
    case PAGE_NEWS:
        return IDB_TAB_NEWS;
    case PAGE_NOTICES:
        return IDB_TAB_NOTICES;
    default:
        return 0;
    }
}
}  // namespace

PageLayout LayoutOfPage(int page) {
    if (page < 0 || page >= PANEL_PAGE_COUNT) page = PAGE_CALENDAR;
    const bool folded = page == PAGE_LIST;

    PageLayout layout;
    layout.art = kPageArt[page].bitmap;
    layout.width = kPanelWidth;
    layout.height = kPageArt[page].height;
    layout.views = {kCalendarView, folded ? Lifted(kIndexView) : kIndexView, kNewsView,
                    kNoticeView, kSignalView};
    layout.shown[CALENDAR_VIEW] = page == PAGE_CALENDAR;
    layout.shown[INDEX_VIEW] = page == PAGE_CALENDAR || folded;
    layout.shown[NEWS_VIEW] = page == PAGE_NEWS;
    layout.shown[NOTICE_VIEW] = page == PAGE_NOTICES;
    layout.shown[SIGNAL_VIEW] = page == PAGE_SIGNALS;
    layout.list = folded ? Lifted(kList) : kList;
    layout.foldShown = page == PAGE_CALENDAR;
    layout.unfoldShown = folded;
    layout.chosenTab = TabOf(page);
    return layout;
}
