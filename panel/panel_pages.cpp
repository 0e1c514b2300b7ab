#include "panel/panel_pages.h"

#include "panel/page_layout.h"
#include "resources/resource.h"
#include "views/calendar_month.h"

namespace {
// Out of sight, outside the window.
const ViewRect PANE_AWAY = ViewRect::At(-40, -40, 20, 20);
}  // namespace

PanelPages::PanelPages(CAppCore& core, NewsSheet& news, NoticeSheet& notices,
                       const SignalSheet& signals)
    : core_(core), news_(news), notices_(notices), signals_(signals) {}

PageEffects PanelPages::ShowIndicatorPage(bool forced) {
    const bool onIndicatorPage = core_.m_page == PAGE_CALENDAR || core_.m_page == PAGE_LIST;
    if (onIndicatorPage && !forced) return {};
    return Show(PAGE_CALENDAR);
}

PageEffects PanelPages::UnfoldCalendar() {
    PageEffects effects = Show(PAGE_CALENDAR);
    effects.placeHtmlPane = false;  // the pane is already out of the way on the list pages
    return effects;
}

PageEffects PanelPages::FoldCalendar() {
    PageEffects effects = Show(PAGE_LIST);
    effects.placeHtmlPane = false;
    return effects;
}

PageEffects PanelPages::ShowNewsPage() { return Show(PAGE_NEWS); }

PageEffects PanelPages::ShowNoticePage() {
    core_.m_noticeStore.MarkAllRead();
    core_.m_noticeStore.Save();
    return Show(PAGE_NOTICES);
}

PageEffects PanelPages::ShowSignalPage() { return Show(PAGE_SIGNALS); }

PageEffects PanelPages::OnButton(int code) {
    switch (code) {
    case IDB_HIDE: {
        PageEffects effects;
        effects.togglePanel = true;
        return effects;
    }
    case IDB_TAB_INDICATORS:
        return ShowIndicatorPage(false);
    case IDB_TAB_NEWS:
        return ShowNewsPage();
    case IDB_TAB_NOTICES:
        return ShowNoticePage();
    case IDB_PREVIOUS_MONTH:
        return MoveMonth(-1);
    case IDB_NEXT_MONTH:
        return MoveMonth(1);
    case IDB_FOLD_CALENDAR:
        return FoldCalendar();
    case IDB_UNFOLD_CALENDAR:
        return UnfoldCalendar();
    // The notice buttons step towards the newest notice (next) or the oldest (previous).
    case IDB_NOTICE_NEXT:
        if (notices_.Current() > 0) return ShowNotice(notices_.Current() - 1);
        return {};
    case IDB_NOTICE_PREVIOUS:
        if (notices_.Current() + 1 < core_.m_noticeStore.Count())
            return ShowNotice(notices_.Current() + 1);
        return {};
    case IDB_NOTICE_UNREAD:
        return ShowNewestUnreadNotice();
    case IDB_NOTICE_MARK_READ:
        return MarkAllNoticesRead();
    case IDB_NEWS_PREVIOUS:
        if (core_.m_newsPage > 0) return MoveNewsPage(-1);
        return {};
    case IDB_NEWS_NEXT:
        if (core_.m_newsPage + 1 < NewsPageCount()) return MoveNewsPage(1);
        return {};
    default:
        return {};
    }
}

int PanelPages::NewsPageCount() const { return news_.PageCount(core_.m_newsStore); }

HtmlPanePlace PanelPages::HtmlPane() const {
    switch (core_.m_page) {
    case PAGE_NEWS:
        return {news_.BodyRect(), true};
    case PAGE_NOTICES:
        return {notices_.BodyRect(), true};
    case PAGE_SIGNALS:
        return {signals_.BodyRect(), true};
    default:
        return {PANE_AWAY, false};
    }
}

PageEffects PanelPages::Show(int page) {
    core_.m_page = page;
    PageEffects effects;
    effects.layOut = true;
    effects.placeHtmlPane = true;
    return effects;
}

PageEffects PanelPages::MoveMonth(int months) {
    core_.m_calendarDate = FirstOfMonthAfter(core_.m_calendarDate, months);
    PageEffects effects;
    effects.refillList = true;
    effects.redrawIndexView = true;
    effects.redrawPanel = true;
    return effects;
}

PageEffects PanelPages::MoveNewsPage(int step) {
    core_.m_newsPage += step;
    news_.Select(0);
    return ShowNewsPage();
}

PageEffects PanelPages::ShowNotice(int index) {
    notices_.SetCurrent(index);
    return ShowNoticePage();
}

PageEffects PanelPages::ShowNewestUnreadNotice() {
    const int position = core_.m_noticeStore.UnreadPositionFromNewest(0);
    if (position < 0) return {};
    return ShowNotice(position);
}

// The pictures keep showing the notices as they were until the next repaint.
PageEffects PanelPages::MarkAllNoticesRead() {
    core_.m_noticeStore.MarkAllRead();
    core_.m_noticeStore.Save();
    return {};
}
