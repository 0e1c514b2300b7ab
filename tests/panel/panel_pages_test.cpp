#include "panel/panel_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "panel/page_layout.h"
#include "resources/resource.h"
#include "tests/support/test_os.h"

namespace {
std::string FeedLine(int id, long when) {
    return std::to_string(id) + "<<>>Title<<>>Body<<>>x<<>>" + std::to_string(when) + "<<>>\n";
}

// Items 1 .. count; the higher the id, the newer.
std::string FeedOf(int count) {
    std::string feed = "header\n";
    for (int id = 1; id <= count; ++id) feed += FeedLine(id, 100 * id);
    return feed;
}

int UnreadOnDisk() {
    NewsStore saved(false);
    saved.Load();
    return saved.UnreadCount();
}

class PanelPagesTest : public ::testing::Test {
protected:
    PanelPagesTest() {
        news.Layout(2, 70);
        notices.Layout(2, 70);
        signals.Layout(2, 70);
    }
    PageLayout Shown() const { return LayoutOfPage(core.m_page); }

    FakeOs os;
    CAppCore core;
    NewsSheet news;
    NoticeSheet notices;
    SignalSheet signals;
    PanelPages pages{core, news, notices, signals};
    const PanelEffects none{};
    const PanelEffects switched{{PanelEffectKind::LayOutPanel}, {PanelEffectKind::PlaceHtmlPane}};
    const PanelEffects folded{{PanelEffectKind::LayOutPanel}};
};

TEST(PageLayoutTest, EachPageShowsOnlyItsViews) {
    for (int page = 0; page < PANEL_PAGE_COUNT; ++page) {
        PageLayout layout = LayoutOfPage(page);
        EXPECT_EQ(layout.shown[CALENDAR_VIEW], page == PAGE_CALENDAR) << page;
        EXPECT_EQ(layout.shown[INDEX_VIEW], page <= PAGE_LIST) << page;
        EXPECT_EQ(layout.shown[NEWS_VIEW], page == PAGE_NEWS) << page;
        EXPECT_EQ(layout.shown[NOTICE_VIEW], page == PAGE_NOTICES) << page;
        EXPECT_EQ(layout.shown[SIGNAL_VIEW], page == PAGE_SIGNALS) << page;
        EXPECT_EQ(layout.foldShown, page == PAGE_CALENDAR) << page;
        EXPECT_EQ(layout.unfoldShown, page == PAGE_LIST) << page;
    }
    EXPECT_EQ(LayoutOfPage(PAGE_SIGNALS).height, 535);
    EXPECT_EQ(LayoutOfPage(PAGE_SIGNALS).chosenTab, 0);
    EXPECT_EQ(LayoutOfPage(7).art, IDB_PAGE_CALENDAR);
}

TEST_F(PanelPagesTest, TheHtmlPaneLiesOnTheShownBodyOrOutOfSight) {
    core.m_newsStore.UpdateFromFeed(FeedOf(2), true);
    news.Picture(core.m_newsStore, 0, [](const std::string&, const ViewRect& box) {
        return ViewRect::At(box.left, box.top, box.Width(), 12);
    });
    ASSERT_GT(news.BodyRect().Height(), 0);

    pages.FoldCalendar();
    EXPECT_EQ(pages.HtmlPane(), (HtmlPanePlace{ViewRect{-40, -40, -20, -20}, false}));
    pages.ShowNewsPage();
    EXPECT_EQ(pages.HtmlPane(), (HtmlPanePlace{news.BodyRect(), true}));
    pages.ShowNoticePage();
    EXPECT_EQ(pages.HtmlPane(), (HtmlPanePlace{ViewRect::At(12, 140, 220, 150), true}));
    pages.ShowSignalPage();
    EXPECT_EQ(pages.HtmlPane(), (HtmlPanePlace{ViewRect::At(10, 208, 220, 120), true}));
}

TEST_F(PanelPagesTest, TabsAndFoldButtonsChangeThePageAndTheWindow) {
    core.m_page = PAGE_LIST;
    EXPECT_EQ(pages.ShowIndicatorPage(true), switched);  // the start, from wherever
    EXPECT_EQ(Shown().height, 534);
    EXPECT_EQ(Shown().list, ViewRect::At(8, 294, 220, 150));

    EXPECT_EQ(pages.OnButton(IDB_FOLD_CALENDAR), folded);
    EXPECT_EQ(core.m_page, PAGE_LIST);
    EXPECT_EQ(Shown().height, 342);
    EXPECT_EQ(Shown().list.top, 104);
    EXPECT_EQ(Shown().views[INDEX_VIEW].top, 86);
    EXPECT_EQ(pages.OnButton(IDB_TAB_INDICATORS), none);  // stays folded

    // Back from the news and the signals, the calendar is unfolded again.
    EXPECT_EQ(pages.OnButton(IDB_TAB_NEWS), switched);
    EXPECT_EQ(Shown().chosenTab, IDB_TAB_NEWS);
    EXPECT_EQ(Shown().views[INDEX_VIEW].top, 276);
    EXPECT_EQ(pages.OnButton(IDB_TAB_INDICATORS), switched);
    EXPECT_EQ(core.m_page, PAGE_CALENDAR);
    EXPECT_EQ(Shown().list.top, 294);
    pages.FoldCalendar();
    EXPECT_EQ(pages.ShowSignalPage(), switched);
    EXPECT_EQ(pages.OnButton(IDB_TAB_INDICATORS), switched);
    EXPECT_EQ(core.m_page, PAGE_CALENDAR);

    pages.OnButton(IDB_FOLD_CALENDAR);
    EXPECT_EQ(pages.OnButton(IDB_UNFOLD_CALENDAR), folded);
    EXPECT_EQ(core.m_page, PAGE_CALENDAR);
}

TEST_F(PanelPagesTest, ElevenNewsItemsMakeThreePagesThatTheButtonsStepThrough) {
    EXPECT_EQ(pages.OnButton(IDB_NEWS_NEXT), none);  // no items, no pages
    core.m_newsStore.UpdateFromFeed(FeedOf(11), true);
    EXPECT_EQ(pages.NewsPageCount(), 3);
    EXPECT_EQ(pages.OnButton(IDB_NEWS_PREVIOUS), none);

    news.Select(3);
    EXPECT_EQ(pages.OnButton(IDB_NEWS_NEXT), switched);
    EXPECT_EQ(core.m_page, PAGE_NEWS);
    EXPECT_EQ(news.Selected(), 0);
    pages.OnButton(IDB_NEWS_NEXT);
    EXPECT_EQ(core.m_newsPage, 2);
    EXPECT_EQ(pages.OnButton(IDB_NEWS_NEXT), none);
    EXPECT_EQ(pages.OnButton(IDB_NEWS_PREVIOUS), switched);
    EXPECT_EQ(core.m_newsPage, 1);

    core.m_newsStore.UpdateFromFeed(FeedOf(10), true);
    EXPECT_EQ(pages.NewsPageCount(), 2);
}

TEST_F(PanelPagesTest, NoticeButtonsStepBetweenTheNewestAndTheOldestAndReadThemAll) {
    core.m_noticeStore.UpdateFromFeed(FeedOf(3), true);
    EXPECT_EQ(pages.OnButton(IDB_NOTICE_NEXT), none);  // already on the newest

    EXPECT_EQ(pages.OnButton(IDB_NOTICE_PREVIOUS), switched);
    EXPECT_EQ(core.m_page, PAGE_NOTICES);
    EXPECT_EQ(UnreadOnDisk(), 0);
    pages.OnButton(IDB_NOTICE_PREVIOUS);
    EXPECT_EQ(notices.Current(), 2);
    EXPECT_EQ(pages.OnButton(IDB_NOTICE_PREVIOUS), none);  // the oldest
    EXPECT_EQ(pages.OnButton(IDB_NOTICE_NEXT), switched);
    EXPECT_EQ(notices.Current(), 1);
}

TEST_F(PanelPagesTest, TheUnreadButtonShowsTheNewestUnreadNotice) {
    core.m_noticeStore.UpdateFromFeed(FeedOf(3), true);
    pages.ShowNoticePage();
    pages.ShowIndicatorPage(false);
    core.m_noticeStore.UpdateFromFeed(FeedOf(3) + FeedLine(4, 250), true);  // behind the newest

    EXPECT_EQ(pages.OnButton(IDB_NOTICE_UNREAD), switched);
    EXPECT_EQ(notices.Current(), 1);
    pages.ShowIndicatorPage(false);
    EXPECT_EQ(pages.OnButton(IDB_NOTICE_UNREAD), none);  // the page read it
    EXPECT_EQ(core.m_page, PAGE_CALENDAR);
}

TEST_F(PanelPagesTest, MarkAllReadSavesWithoutChangingThePage) {
    core.m_noticeStore.UpdateFromFeed(FeedOf(4), true);
    EXPECT_EQ(pages.OnButton(IDB_NOTICE_MARK_READ), none);
    EXPECT_EQ(core.m_page, PAGE_CALENDAR);
    EXPECT_EQ(UnreadOnDisk(), 0);
}

TEST_F(PanelPagesTest, MonthButtonsGoToTheFirstOfTheMonthAndRefillTheList) {
    core.m_calendarDate = CalendarDate{2014, 1, 15};
    const PanelEffects refill{{PanelEffectKind::RefillIndicatorList},
                              {PanelEffectKind::RedrawIndexView},
                              {PanelEffectKind::RedrawPanel}};
    EXPECT_EQ(pages.OnButton(IDB_PREVIOUS_MONTH), refill);
    EXPECT_EQ(core.m_calendarDate, (CalendarDate{2013, 12, 1}));
    EXPECT_EQ(pages.OnButton(IDB_NEXT_MONTH), refill);
    EXPECT_EQ(core.m_calendarDate, (CalendarDate{2014, 1, 1}));
}

TEST_F(PanelPagesTest, TheHideButtonTogglesAndOtherCodesDoNothing) {
    EXPECT_EQ(pages.OnButton(IDB_HIDE), PanelEffects{{PanelEffectKind::TogglePanel}});
    for (int code : {IDB_TITLE, 0, IDB_PAGE_NEWS}) EXPECT_EQ(pages.OnButton(code), none) << code;
}
}  // namespace
