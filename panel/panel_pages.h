// The panel's pages and what its picture buttons do.
//
// The operations change the page (the core's m_page), the news page, the news sheet's selected
// item and the notice sheet's current notice, mark notices read, and return what the window must
// then do (PanelEffects); the window carries that out and draws. Buttons are known by their
// codes, the numbers of their bitmaps.
#pragma once

#include "app/app_core.h"
#include "app/panel_effect.h"
#include "views/news_sheet.h"
#include "views/notice_sheet.h"
#include "views/signal_sheet.h"
#include "views/view_rect.h"

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
    PanelEffects ShowIndicatorPage(bool forced);
    PanelEffects UnfoldCalendar();
    PanelEffects FoldCalendar();
    PanelEffects ShowNewsPage();
    // Showing the notices marks every notice read and saves them.
    PanelEffects ShowNoticePage();
    PanelEffects ShowSignalPage();

    // A picture button was clicked (a tab has already shown itself chosen). Unknown codes and
    // the title picture do nothing.
    PanelEffects OnButton(int code);

    // The pages as the news view last laid them out (at most five items a page); no page
    // without items.
    int NewsPageCount() const;

    // Where the HTML pane goes on the current page: on the body of the selected news item, the
    // shown notice or the signal messages, rebuilt; on the indicator pages out of the window,
    // its contents left as they are.
    HtmlPanePlace HtmlPane() const;

private:
    PanelEffects Show(int page);
    PanelEffects MoveMonth(int months);
    PanelEffects MoveNewsPage(int step);
    PanelEffects ShowNotice(int index);
    PanelEffects ShowNewestUnreadNotice();
    PanelEffects MarkAllNoticesRead();

    CAppCore& core_;
    NewsSheet& news_;
    NoticeSheet& notices_;
    const SignalSheet& signals_;
};
