// The panel's pages by number: the core keeps the shown one (m_page) and the settings file
// stores it, so the numbers are fixed.
#pragma once

enum PanelPage : int {
    PAGE_CALENDAR = 0,  // the calendar above the indicator list
    PAGE_LIST = 1,      // the indicator list alone, the calendar folded away
    PAGE_NEWS = 2,
    PAGE_NOTICES = 3,
    PAGE_SIGNALS = 4,
};
inline constexpr int PANEL_PAGE_COUNT = 5;
