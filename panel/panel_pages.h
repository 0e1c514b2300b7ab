// The panel's pages and what its picture buttons do.
//
// The operations change the page (the core's m_page), the news page, the news sheet's selected
// item and the notice sheet's current notice, mark notices read, and return what the window must
// then do; the window carries that out and draws. Buttons are known by their codes, the numbers
// of their bitmaps.
#pragma once

#include "app/app_core.h"
#include "views/news_sheet.h"
#include "views/notice_sheet.h"
#include "views/signal_sheet.h"
#include "views/view_rect.h"

// What the panel does after a page operation or a click, in this order.
struct PageEffects {
    bool togglePanel = false;  // show the panel when it is hidden, hide it when shown
    // Fill the indicator list for m_calendarDate and take its selection for the details.
    bool refillList = false;
    bool redrawIndexView = false;
    // Apply LayoutOfPage(m_page): show and hide the views and their children, move the indicator
    // view and the list, show the fold buttons and the chosen tab, give the window the size and
    // outline of the page's art; then repaint everything at once.
    bool layOut = false;
    bool redrawPanel = false;
    // After the repaint (the news sheet knows the selected item's body only once it has drawn):
    // move the HTML pane as HtmlPane() says.
    bool placeHtmlPane = false;

    bool operator==(const PageEffects&) const = default;
};

struct HtmlPanePlace {
    ViewRect rect;
    bool rebuild = false;  // write the page for the shown item and reload it

    bool operator==(const HtmlPanePlace&) const = default;
};

class PanelPages {
public:
    // The sheets belong to the page views and outlive this object.
    PanelPages(CAppCore& core, NewsSheet& news, NoticeSheet& notices, const SignalSheet& signals);

    // The calendar page; unless forced (at the panel's start) only from the news, notice and
    // signal pages, so the indicator tab leaves a folded calendar folded.
    PageEffects ShowIndicatorPage(bool forced);
    PageEffects UnfoldCalendar();
    PageEffects FoldCalendar();
    PageEffects ShowNewsPage();
    // Showing the notices marks every notice read and saves them.
    PageEffects ShowNoticePage();
    PageEffects ShowSignalPage();

    // A picture button was clicked (a tab has already shown itself chosen). Unknown codes and
    // the title picture do nothing.
    PageEffects OnButton(int code);

    // The pages as the news view last laid them out (at most five items a page); no page
    // without items.
    int NewsPageCount() const;

    // Where the HTML pane goes on the current page: on the body of the selected news item, the
    // shown notice or the signal messages, rebuilt; on the indicator pages out of the window,
    // its contents left as they are.
    HtmlPanePlace HtmlPane() const;

private:
    PageEffects Show(int page);
    PageEffects MoveMonth(int months);
    PageEffects MoveNewsPage(int step);
    PageEffects ShowNotice(int index);
    PageEffects ShowNewestUnreadNotice();
    PageEffects MarkAllNoticesRead();

    CAppCore& core_;
    NewsSheet& news_;
    NoticeSheet& notices_;
    const SignalSheet& signals_;
};
