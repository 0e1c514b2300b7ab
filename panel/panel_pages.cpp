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

PanelEffects PanelPages::ShowIndicatorPage(bool forced) {
    const bool onIndicatorPage = core_.m_page == PAGE_CALENDAR || core_.m_page == PAGE_LIST;
    if (onIndicatorPage && !forced) return {};
    return Show(PAGE_CALENDAR);
}

// The pane is already out of the way on the list pages: folding and unfolding leave it there.
PanelEffects PanelPages::UnfoldCalendar() {
    core_.m_page = PAGE_CALENDAR;
    return {{PanelEffectKind::LayOutPanel}};
}

PanelEffects PanelPages::FoldCalendar() {
    core_.m_page = PAGE_LIST;
    return {{PanelEffectKind::LayOutPanel}};
}

PanelEffects PanelPages::ShowNewsPage() { return Show(PAGE_NEWS); }

PanelEffects PanelPages::ShowNoticePage() {
    core_.m_noticeStore.MarkAllRead();
    core_.m_noticeStore.Save();
    return Show(PAGE_NOTICES);
}

PanelEffects PanelPages::ShowSignalPage() { return Show(PAGE_SIGNALS); }

PanelEffects PanelPages::OnButton(int code) {
    switch (code) {
    case IDB_HIDE: return {{PanelEffectKind::TogglePanel}};
    case IDB_TAB_INDICATORS: return ShowIndicatorPage(false);
    case IDB_TAB_NEWS: return ShowNewsPage();
    case IDB_TAB_NOTICES: return ShowNoticePage();
    case IDB_PREVIOUS_MONTH: return MoveMonth(-1);
    case IDB_NEXT_MONTH: return MoveMonth(1);
    case IDB_FOLD_CALENDAR: return FoldCalendar();
    case IDB_UNFOLD_CALENDAR: return UnfoldCalendar();
    // The notice buttons step towards the newest notice (next) or the oldest (previous).
    case IDB_NOTICE_NEXT:
        if (notices_.Current() > 0) return ShowNotice(notices_.Current() - 1);
        return {};
    case IDB_NOTICE_PREVIOUS:
        if (notices_.Current() + 1 < core_.m_noticeStore.Count())
            return ShowNotice(notices_.Current() + 1);
        return {};
    case IDB_NOTICE_UNREAD: return ShowNewestUnreadNotice();
    case IDB_NOTICE_MARK_READ: return MarkAllNoticesRead();
    case IDB_NEWS_PREVIOUS:
        if (core_.m_newsPage > 0) return MoveNewsPage(-1);
        return {};
    case IDB_NEWS_NEXT:
        if (core_.m_newsPage + 1 < NewsPageCount()) return MoveNewsPage(1);
        return {};
    default: return {};
    }
}

int PanelPages::NewsPageCount() const { return news_.PageCount(core_.m_newsStore); }

HtmlPanePlace PanelPages::HtmlPane() const {
    switch (core_.m_page) {
    case PAGE_NEWS: return {news_.BodyRect(), true};
    case PAGE_NOTICES: return {notices_.BodyRect(), true};
    case PAGE_SIGNALS: return {signals_.BodyRect(), true};
    default: return {PANE_AWAY, false};
    }
}

PanelEffects PanelPages::Show(int page) {
    core_.m_page = page;
    return {{PanelEffectKind::LayOutPanel}, {PanelEffectKind::PlaceHtmlPane}};
}

PanelEffects PanelPages::MoveMonth(int months) {
    core_.m_calendarDate = FirstOfMonthAfter(core_.m_calendarDate, months);
    return {{PanelEffectKind::RefillIndicatorList},
            {PanelEffectKind::RedrawIndexView},
            {PanelEffectKind::RedrawPanel}};
}

PanelEffects PanelPages::MoveNewsPage(int step) {
    core_.m_newsPage += step;
    news_.Select(0);
    return ShowNewsPage();
}

PanelEffects PanelPages::ShowNotice(int index) {
    notices_.SetCurrent(index);
    return ShowNoticePage();
}

PanelEffects PanelPages::ShowNewestUnreadNotice() {
    const int position = core_.m_noticeStore.UnreadPositionFromNewest(0);
    if (position < 0) return {};
    return ShowNotice(position);
}

// The pictures keep showing the notices as they were until the next repaint.
PanelEffects PanelPages::MarkAllNoticesRead() {
    core_.m_noticeStore.MarkAllRead();
    core_.m_noticeStore.Save();
    return {};
}
