#include "views/news_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/test_os.h"

namespace {

constexpr int ORIGIN_X = 2;
constexpr int ORIGIN_Y = 70;
// Every title measures one line of this height: five items fit above the page box.
constexpr int TITLE_HEIGHT = 16;

std::string FeedItem(int id, const std::string& body, long when) {
    return std::to_string(id) + "<<>>title " + std::to_string(id) + "<<>>" + body + "<<>>x<<>>" +
           std::to_string(when) + "<<>>\n";
}

// A title measures from the top-left corner of its box, 100 pixels wide.
ViewRect MeasureOneLine(const std::string&, const ViewRect& box) {
    return ViewRect::At(box.left, box.top, 100, TITLE_HEIGHT);
}

class NewsSheetTest : public ::testing::Test {
protected:
    NewsSheetTest() { sheet.Layout(ORIGIN_X, ORIGIN_Y); }

    // Items 1..count, item n at 2023-11-15 07:13:20 JST + n minutes; the newest is item count.
    // The advert's player source is the video site's embed address of "vid<n>" unless given.
    void Fill(int count, int advertItem = 0, std::string advertSource = "") {
        std::string feed = "header\n";
        for (int id = 1; id <= count; ++id) {
            std::string body = "body " + std::to_string(id);
            if (advertSource.empty())
                advertSource = "http://www.youtube.com/embed/vid" + std::to_string(advertItem);
            if (id == advertItem) body = "<iframe src=" + advertSource + " width=220></iframe>XCF";
            feed += FeedItem(id, body, 1700000000L + id * 60);
        }
        news.UpdateFromFeed(feed, false);
    }

    NewsPicture Draw(int page = 0) { return sheet.Picture(news, page, MeasureOneLine); }

    // The lowest row the page's items reach: titles as measured, the body and the advert icon.
    int LowestRow(const NewsPicture& picture, int titleHeight) const {
        int lowest = 0;
        for (size_t i = 1; i < picture.texts.size(); i += 2) {
            lowest = std::max(lowest, picture.texts[i].rect.top + titleHeight);
        }
        lowest = std::max(lowest, sheet.BodyRect().bottom);
        if (picture.advertIcon) lowest = std::max(lowest, picture.advertIcon->bottom);
        return lowest;
    }

    // A point inside the title at the position, with the first item of the page expanded.
    static int TitleX() { return ORIGIN_X + 10 + 50; }
    static int TitleY(int position) {
        int top = 98;
        if (position > 0) top += 140 + 6 + (TITLE_HEIGHT + 12 + 12) * position;
        return top + 5;
    }

    FakeOs os;
    NewsStore news{true};
    NewsSheet sheet;
};

TEST_F(NewsSheetTest, NumbersThePagesOfFiveItems) {
    EXPECT_EQ(Draw().pageNumber.text, "1/0");
    EXPECT_TRUE(Draw().texts.empty());
    Fill(10);
    EXPECT_EQ(Draw(1).pageNumber.text, "2/2");
    Fill(12);
    EXPECT_EQ(Draw(0).pageNumber.text, "1/3");
    NewsPicture last = Draw(2);
    EXPECT_EQ(last.pageNumber.text, "3/3");
    EXPECT_EQ(last.texts.size(), 4u);  // two items: date and title each
    EXPECT_EQ(last.texts[1].text, "title 2");
    EXPECT_EQ(last.texts[3].text, "title 1");
}

TEST_F(NewsSheetTest, DrawsThePageBoxBelowTheList) {
    NewsPicture picture = Draw();
    EXPECT_EQ(picture.pageBoxFrame, (ViewRect{60, 424, 180, 443}));
    EXPECT_EQ(picture.pageBoxInside, (ViewRect{61, 425, 179, 442}));
    EXPECT_EQ(picture.pageNumber.rect, (ViewRect{63, 427, 177, 440}));
    EXPECT_EQ(picture.pageNumber.align, TextAlign::Center);
}

TEST_F(NewsSheetTest, ExpandsTheSelectedItemAndListsTheOthersBelowIt) {
    Fill(3);
    NewsPicture picture = Draw();
    ASSERT_EQ(picture.texts.size(), 6u);
    // The newest item: its date line, then its title in the plain font (it is expanded).
    EXPECT_EQ(picture.texts[0],
              (TextBox{ViewRect::At(12, 86, 220, 12), "2023/11/15 07：16：20",
                       NewsSheet::FONT_PLAIN, NewsSheet::DATE_COLOUR, TextAlign::Near}));
    EXPECT_EQ(picture.texts[1],
              (TextBox{ViewRect::At(12, 98, 220, 36), "title 3", NewsSheet::FONT_SELECTED,
                       NewsSheet::TITLE_COLOUR, TextAlign::Near, /*dy=*/0, /*ellipsis=*/false,
                       /*wrap=*/true}));
    // The body goes 6 pixels below the measured title, at x 10 on the panel.
    EXPECT_EQ(sheet.BodyRect(), ViewRect::At(10, 98 + TITLE_HEIGHT + 6, 220, 140));
    // The next item follows the body, the title's and the date's heights and the gap.
    int next = 86 + (140 + 6) + (TITLE_HEIGHT + 12) + 12;
    EXPECT_EQ(picture.texts[2].rect, ViewRect::At(12, next, 220, 12));
    EXPECT_EQ(picture.texts[3].rect, ViewRect::At(12, next + 12, 220, 36));
    EXPECT_EQ(picture.texts[3].font, NewsSheet::FONT_LINK);
    EXPECT_EQ(picture.texts[4].rect.top, next + TITLE_HEIGHT + 12 + 12);
    EXPECT_FALSE(picture.advertIcon.has_value());
}

TEST_F(NewsSheetTest, ChoosesATitleOnlyWhenPressedAndReleasedOnIt) {
    Fill(5);
    Draw();
    EXPECT_TRUE(sheet.HitTest(TitleX(), TitleY(3)));
    EXPECT_FALSE(sheet.ButtonDown(TitleX(), TitleY(2)).repaint);
    EXPECT_FALSE(sheet.ButtonUp(TitleX(), TitleY(3)).repaint);
    EXPECT_EQ(sheet.Selected(), 0);

    sheet.ButtonDown(TitleX(), TitleY(3));
    EXPECT_TRUE(sheet.ButtonUp(TitleX(), TitleY(3)).repaint);
    EXPECT_EQ(sheet.Selected(), 3);
    // The release used the press up.
    EXPECT_FALSE(sheet.ButtonUp(TitleX(), TitleY(3)).repaint);

    // Choosing the expanded title again repaints again (the pane is rebuilt).
    sheet.ButtonDown(TitleX(), TitleY(0));
    EXPECT_TRUE(sheet.ButtonUp(TitleX(), TitleY(0)).repaint);
    EXPECT_EQ(sheet.Selected(), 0);
}

TEST_F(NewsSheetTest, ShowsTheHandOverTitlesToChooseAndNotOverTheExpandedOne) {
    Fill(2);
    Draw();
    EXPECT_TRUE(sheet.MouseMove(TitleX(), TitleY(1)).handCursor);
    EXPECT_FALSE(sheet.MouseMove(TitleX(), TitleY(0)).handCursor);
    EXPECT_FALSE(sheet.MouseMove(TitleX() + 100, TitleY(1)).handCursor);  // past the title
    EXPECT_FALSE(sheet.HitTest(TitleX() + 100, TitleY(1)));
    EXPECT_FALSE(sheet.MouseMove(TitleX(), TitleY(1)).repaint);
}

TEST_F(NewsSheetTest, PlacesWithoutAnItemChooseNothing) {
    Fill(7);
    Draw(0);  // five titles
    ASSERT_TRUE(sheet.HitTest(TitleX(), TitleY(4)));
    Draw(1);  // two titles
    EXPECT_FALSE(sheet.HitTest(TitleX(), TitleY(4)));
    sheet.ButtonDown(TitleX(), TitleY(4));
    EXPECT_FALSE(sheet.ButtonUp(TitleX(), TitleY(4)).repaint);
    EXPECT_EQ(sheet.Selected(), 0);
    // A selection beyond the page's items leaves the body nowhere.
    sheet.Select(3);
    Draw(1);
    EXPECT_EQ(sheet.BodyRect(), ViewRect{});
}

TEST_F(NewsSheetTest, TheExpandedAdvertsIconOpensItsVideo) {
    Fill(3, 3);
    NewsPicture picture = Draw();
    ASSERT_TRUE(picture.advertIcon.has_value());
    const ViewRect& body = sheet.BodyRect();
    EXPECT_EQ(*picture.advertIcon, ViewRect::At(body.right - 18, body.bottom + 2, 18, 18));
    int x = picture.advertIcon->left + 5, y = picture.advertIcon->top + 5;
    EXPECT_TRUE(sheet.HitTest(x, y));
    EXPECT_TRUE(sheet.MouseMove(x, y).handCursor);
    sheet.ButtonDown(x, y);
    NewsPointerResult released = sheet.ButtonUp(x, y);
    EXPECT_EQ(released.videoAddress, "http://www.youtube.com/watch?v=vid3");
    EXPECT_FALSE(released.repaint);
    // A release without a press on the icon opens nothing.
    EXPECT_EQ(sheet.ButtonUp(x, y).videoAddress, "");
}

// The address goes to the shell, which would start whatever is registered for it: a source
// the feed bent into anything but a plain web address opens nothing.
TEST_F(NewsSheetTest, TheAdvertsIconOpensOnlyAPlainWebAddress) {
    const std::string refused[] = {
        "\"http://www.youtube.com/embed/vid3\"",  // the closing quote stays after the id
        "http://www.youtube.com/embed/a\"&calc",
        "http://www.youtube.com/embed/v<id>",
        "http://www.youtube.com/embed/\x83\x72\x83\x66\x83\x49",  // ビデオ in CP932
        "http://www.youtube.com/embed/%USERPROFILE%",
    };
    int newest = 3;
    for (const std::string& source : refused) {
        // Each source in a new newest item, the one the page expands.
        Fill(newest, newest, source);
        ++newest;
        NewsPicture picture = Draw();
        ASSERT_TRUE(picture.advertIcon.has_value()) << source;
        int x = picture.advertIcon->left + 5, y = picture.advertIcon->top + 5;
        sheet.ButtonDown(x, y);
        EXPECT_EQ(sheet.ButtonUp(x, y).videoAddress, "") << source;
    }
}

TEST_F(NewsSheetTest, TheIconIsGoneOnceAnOrdinaryItemIsExpanded) {
    Fill(3, 3);
    NewsPicture picture = Draw();
    int x = picture.advertIcon->left + 5, y = picture.advertIcon->top + 5;
    sheet.Select(1);
    EXPECT_FALSE(Draw().advertIcon.has_value());
    sheet.ButtonDown(x, y);
    EXPECT_EQ(sheet.ButtonUp(x, y).videoAddress, "");
}

// The panel lays its views out at every page switch: the chosen item must survive that.
TEST_F(NewsSheetTest, LayoutKeepsTheSelectionAndForgetsThePlaces) {
    Fill(5);
    sheet.Select(3);
    Draw();
    sheet.Layout(ORIGIN_X, ORIGIN_Y);
    EXPECT_EQ(sheet.Selected(), 3);
    EXPECT_EQ(sheet.BodyRect(), ViewRect{});
    EXPECT_FALSE(sheet.HitTest(TitleX(), TitleY(0)));
}

// Titles of three lines once ran the page's last item into the page box at y 424.
TEST_F(NewsSheetTest, APageHoldsOnlyTheItemsThatFitAboveThePageBox) {
    for (int titleHeight : {12, 16, 24, 36, 48}) {
        for (int advertItem : {0, 12, 9}) {
            SCOPED_TRACE(testing::Message() << titleHeight << " " << advertItem);
            // A sheet measures by one font for its life: another font, another sheet.
            news = NewsStore{true};
            sheet = NewsSheet{};
            sheet.Layout(ORIGIN_X, ORIGIN_Y);
            Fill(12, advertItem);
            TitleMeasure measure = [titleHeight](const std::string&, const ViewRect& box) {
                return ViewRect::At(box.left, box.top, 100, titleHeight);
            };
            int shown = 0;
            sheet.Picture(news, 0, measure);
            int pages = sheet.PageCount(news);
            for (int page = 0; page < pages; ++page) {
                int items = 0;
                for (int selected = 0; selected < NewsSheet::ITEMS_PER_PAGE; ++selected) {
                    sheet.Select(selected);
                    NewsPicture picture = sheet.Picture(news, page, measure);
                    items = static_cast<int>(picture.texts.size()) / 2;
                    ASSERT_GE(items, 1);
                    EXPECT_LE(LowestRow(picture, titleHeight), picture.pageBoxFrame.top)
                        << "page " << page << " selected " << selected;
                    EXPECT_EQ(picture.pageNumber.text,
                              std::to_string(page + 1) + "/" + std::to_string(pages));
                }
                shown += items;
            }
            // Every item is on some page, each once.
            EXPECT_EQ(shown, 12);
            if (titleHeight <= 16 && advertItem == 0) {
                EXPECT_EQ(pages, 3);
            }
            if (titleHeight >= 36) {
                EXPECT_GT(pages, 3);
            }
        }
    }
}

TEST_F(NewsSheetTest, TheExpandedItemIsCountedFromTheFirstItemOfItsPage) {
    Fill(12);
    TitleMeasure tall = [](const std::string&, const ViewRect& box) {
        return ViewRect::At(box.left, box.top, 100, 36);  // three items a page
    };
    sheet.Select(1);
    sheet.Picture(news, 2, tall);
    EXPECT_EQ(sheet.PageCount(news), 4);
    EXPECT_EQ(sheet.SelectedItem(2), 7);
    EXPECT_EQ(news.ItemFromNewest(sheet.SelectedItem(2))->title,
              sheet.Picture(news, 2, tall).texts[3].text);
}

// Paints come often (every mouse move over a button); the titles are measured again only when the
// feed or the sheet's place changed.
TEST_F(NewsSheetTest, MeasuresTheTitlesOnceForAFeedAndAPlace) {
    int measured = 0;
    TitleMeasure counting = [&measured](const std::string& title, const ViewRect& box) {
        ++measured;
        return MeasureOneLine(title, box);
    };
    Fill(7);
    sheet.Picture(news, 0, counting);
    EXPECT_EQ(measured, 7);
    sheet.Picture(news, 0, counting);
    sheet.Picture(news, 1, counting);
    sheet.Layout(ORIGIN_X, ORIGIN_Y);  // a page switch at the same place
    sheet.Arrange(news, 0, counting);
    EXPECT_EQ(measured, 7);
    ASSERT_TRUE(sheet.MeasuredFor(news));
    sheet.Arrange(news, 1, TitleMeasure{});  // no measure needed, none called
    Fill(7);                                 // the same feed fetched again
    EXPECT_TRUE(sheet.MeasuredFor(news));

    Fill(8);  // a new item arrives
    EXPECT_FALSE(sheet.MeasuredFor(news));
    EXPECT_EQ(sheet.PageCount(news), 2);
    sheet.Arrange(news, 0, counting);
    EXPECT_EQ(measured, 15);
    sheet.Layout(ORIGIN_X, ORIGIN_Y + 10);
    sheet.Arrange(news, 0, counting);
    EXPECT_EQ(measured, 23);

    // Moved and then emptied, the sheet has no pages left from before.
    sheet.Layout(ORIGIN_X, ORIGIN_Y);
    news.Clear();
    EXPECT_EQ(sheet.Picture(news, 0, counting).pageNumber.text, "1/0");
}

// A feed may turn an item into an advert without changing its title; the video icon then needs
// room, so the pages are found again.
TEST_F(NewsSheetTest, AnItemThatBecomesAnAdvertIsPagedAgain) {
    Fill(10);
    sheet.Arrange(news, 0, MeasureOneLine);
    EXPECT_EQ(sheet.PageCount(news), 2);
    Fill(10, 10);  // the newest page has room for four items besides the icon
    sheet.Arrange(news, 0, MeasureOneLine);
    EXPECT_EQ(sheet.PageCount(news), 3);
}

// The panel may be hidden when news arrives: arranging without a paint must give the body its
// place and the page buttons their page count.
TEST_F(NewsSheetTest, ArrangingWithoutAPictureGivesTheBodyAndThePages) {
    TitleMeasure tall = [](const std::string&, const ViewRect& box) {
        return ViewRect::At(box.left, box.top, 100, 36);  // three items a page
    };
    Fill(4);
    sheet.Arrange(news, 0, tall);
    EXPECT_EQ(sheet.BodyRect(), ViewRect::At(10, 98 + 36 + 6, 220, 140));
    EXPECT_EQ(sheet.PageCount(news), 2);
    EXPECT_TRUE(sheet.HitTest(TitleX(), 98 + 5));
}

// A long title takes the lines its measure found: it is drawn wrapped in the box it was measured
// in, as tall as the measure, so no line is cut off and no row stays empty.
TEST_F(NewsSheetTest, TitlesAreDrawnWrappedInTheBoxTheyWereMeasuredIn) {
    std::vector<ViewRect> measuredIn;
    TitleMeasure fourLines = [&measuredIn](const std::string&, const ViewRect& box) {
        measuredIn.push_back(box);
        return ViewRect::At(box.left, box.top, 200, 48);
    };
    Fill(2);
    NewsPicture picture = sheet.Picture(news, 0, fourLines);
    ASSERT_EQ(measuredIn.size(), 2u);
    ASSERT_EQ(picture.texts.size(), 4u);
    const TextBox& newest = picture.texts[1];
    const TextBox& next = picture.texts[3];
    EXPECT_TRUE(newest.wrap);
    EXPECT_TRUE(next.wrap);
    EXPECT_FALSE(picture.texts[0].wrap);  // the date line stays one line
    EXPECT_EQ(newest.rect.left, measuredIn[0].left);
    EXPECT_EQ(newest.rect.Width(), measuredIn[0].Width());
    EXPECT_EQ(newest.rect.Height(), 48);
    EXPECT_EQ(next.rect.Width(), measuredIn[0].Width());
    // The next item's date begins below the fourth line (and the expanded body).
    EXPECT_EQ(picture.texts[2].rect.top, newest.rect.top + 48 + 6 + 140 + 12);

    Fill(3);  // a short title keeps the whole box of the title place
    picture = sheet.Picture(news, 0, MeasureOneLine);
    EXPECT_EQ(picture.texts[1].rect.Height(), 36);
}

// Titles measured shorter make fewer pages: a page past the new last one shows the last one.
TEST_F(NewsSheetTest, APagePastTheLastAfterThePagesShrankShowsTheLast) {
    TitleMeasure tall = [](const std::string&, const ViewRect& box) {
        return ViewRect::At(box.left, box.top, 100, 60);  // two items a page
    };
    Fill(10);
    sheet.Select(1);
    EXPECT_EQ(sheet.Picture(news, 4, tall).pageNumber.text, "5/5");

    Fill(11);  // a new item, its titles measured one line each: three pages
    NewsPicture shown = sheet.Picture(news, 4, MeasureOneLine);
    EXPECT_EQ(shown.page, 2);
    EXPECT_EQ(shown.pageNumber.text, "3/3");
    ASSERT_EQ(shown.texts.size(), 2u);  // the oldest item alone
    EXPECT_EQ(shown.texts[1].text, "title 1");
    EXPECT_EQ(sheet.Arrange(news, 4, TitleMeasure{}), 2);
    EXPECT_EQ(sheet.Arrange(news, -1, TitleMeasure{}), 0);
    // The expanded item of a page beyond the last is counted on the last page.
    sheet.Select(0);
    EXPECT_EQ(sheet.SelectedItem(4), 10);

    news.Clear();
    EXPECT_EQ(sheet.Picture(news, 2, MeasureOneLine).page, 0);
}

TEST_F(NewsSheetTest, BeforeTheFirstPicturePagesHoldFiveItems) {
    Fill(12);
    EXPECT_EQ(sheet.PageCount(news), 3);
    sheet.Select(2);
    EXPECT_EQ(sheet.SelectedItem(1), 7);
}

}  // namespace
