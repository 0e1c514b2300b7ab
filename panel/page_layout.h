// Where everything on the panel stands on each of its pages.
//
// The arrangement is a function of the page alone: the panel applies it whole whenever the page
// changes, so no sequence of clicks can leave a view shifted or a fold button showing on the
// wrong page.
#pragma once

#include <array>

#include "app/panel_page.h"
#include "views/view_rect.h"

// The page views in the order the panel paints them.
enum PanelView : int {
    CALENDAR_VIEW = 0,
    INDEX_VIEW = 1,  // the indicator details around the list
    NEWS_VIEW = 2,
    NOTICE_VIEW = 3,
    SIGNAL_VIEW = 4,
};
inline constexpr int PANEL_VIEW_COUNT = 5;

struct PageLayout {
    int art = 0;  // the background bitmap; the window takes its size and its outline
    int width = 0;
    int height = 0;
    std::array<ViewRect, PANEL_VIEW_COUNT> views;  // each view's place, shown or not
    std::array<bool, PANEL_VIEW_COUNT> shown{};
    ViewRect list;  // the indicator list
    bool foldShown = false;
    bool unfoldShown = false;
    int chosenTab = 0;  // the tab shown pressed; 0 when the page has no tab
};

// A page outside 0 .. 4 is laid out as the calendar page.
PageLayout LayoutOfPage(int page);
