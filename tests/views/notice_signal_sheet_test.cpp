#include <gtest/gtest.h>

#include <string>

#include "store/local_files.h"
#include "views/notice_sheet.h"
#include "views/signal_sheet.h"
#include "tests/support/test_os.h"

namespace {

std::string FeedItem(int id, const std::string& title, long when) {
    return std::to_string(id) + "<<>>" + title + "<<>>body<<>>x<<>>" + std::to_string(when) +
           "<<>>\n";
}

class NoticeSheetTest : public ::testing::Test {
protected:
    NoticeSheetTest() {
        sheet.Layout(2, 70);
        notices.UpdateFromFeed("header\n" + FeedItem(1, "古いお知らせ", 1700000000) +
                                   FeedItem(2, "新しいお知らせ", 1700003600),
                               true);
    }

    FakeOs os;
    NewsStore notices{false};
    NoticeSheet sheet;
};

TEST_F(NoticeSheetTest, ShowsTheHeadingTitleAndPlaceAmongTheNotices) {
    NoticePicture picture = sheet.Show(notices);
    EXPECT_EQ(picture.heading,
              (TextBox{ViewRect::At(12, 80, 220, 24), "お知らせ", NoticeSheet::FONT_HEADING,
                       NoticeSheet::TEXT_COLOUR, TextAlign::Near}));
    ASSERT_TRUE(picture.title && picture.dateLine);
    EXPECT_EQ(*picture.title,
              (TextBox{ViewRect::At(12, 100, 220, 24), "新しいお知らせ", NoticeSheet::FONT_HEADING,
                       NoticeSheet::TEXT_COLOUR, TextAlign::Near}));
    EXPECT_EQ(*picture.dateLine,
              (TextBox{ViewRect::At(12, 124, 220, 18), "2023/11/15 08：13：20　1件目(2件中)",
                       NoticeSheet::FONT_DATE, NoticeSheet::DATE_COLOUR, TextAlign::Near}));
    EXPECT_EQ(sheet.BodyRect(), ViewRect::At(12, 140, 220, 150));

    sheet.SetCurrent(1);
    EXPECT_EQ(sheet.Show(notices).dateLine->text, "2023/11/15 07：13：20　2件目(2件中)");

    // A page switch lays the views out again; the notice the user stepped to stays.
    sheet.Layout(2, 70);
    EXPECT_EQ(sheet.Show(notices).dateLine->text, "2023/11/15 07：13：20　2件目(2件中)");
}

TEST_F(NoticeSheetTest, AnIndexPastTheEndShowsOnlyTheHeading) {
    sheet.SetCurrent(2);
    NoticePicture picture = sheet.Show(notices);
    EXPECT_EQ(picture.heading.text, "お知らせ");
    EXPECT_FALSE(picture.title || picture.dateLine);
}

TEST_F(NoticeSheetTest, ShowingANoticeMarksItReadAndSavesOnlyTheFirstTime) {
    os.now = 1800000000;
    ASSERT_EQ(notices.UnreadCount(), 2);
    sheet.Show(notices);
    EXPECT_EQ(notices.UnreadCount(), 1);
    EXPECT_TRUE(notices.ItemFromNewest(1)->unread);
    NewsStore saved(false);
    saved.Load();
    EXPECT_FALSE(saved.ItemFromNewest(0)->unread);

    // Shown again: nothing to save, so a file changed meanwhile stays as it is.
    WriteBytes(NewsFilePath(false), "changed");
    sheet.Show(notices);
    EXPECT_EQ(ReadBytes(NewsFilePath(false)), "changed");
}

TEST(SignalSheetTest, DrawsTheLatestSignalWithItsColouredMark) {
    SignalSheet sheet;
    sheet.Layout(2, 70);
    std::vector<TextBox> texts = sheet.Picture("山田　#12-EURUSD\n　　買い 09:30\n1.08500\n1▲", {});
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0],
              (TextBox{ViewRect::At(18, 106, 220, 24), "山田　#12-EURUSD", SignalSheet::FONT_LATEST,
                       SignalSheet::TEXT_COLOUR, TextAlign::Near}));
    EXPECT_EQ(texts[1].rect, ViewRect::At(18, 126, 220, 24));
    EXPECT_EQ(texts[1].text, "　　買い 09:30");
    EXPECT_EQ(texts[2].rect, ViewRect::At(18, 146, 220, 24));
    EXPECT_EQ(texts[2].text, "1.08500");
    // The mark goes at the start of the second line, in the colour its digit names.
    EXPECT_EQ(texts[3], (TextBox{ViewRect::At(18, 126, 220, 24), "▲", SignalSheet::FONT_LATEST,
                                 Rgb(128, 128, 255), TextAlign::Near}));
    EXPECT_EQ(sheet.BodyRect(), ViewRect::At(10, 208, 220, 120));
}

TEST(SignalSheetTest, MarkColoursByDigit) {
    SignalSheet sheet;
    sheet.Layout(2, 70);
    auto markOf = [&](const std::string& marker) {
        return sheet.Picture("a\nb\nc\n" + marker, {})[3];
    };
    EXPECT_EQ(markOf("0▼").colour, Rgb(255, 128, 128));
    EXPECT_EQ(markOf("2●").colour, Rgb(128, 255, 128));
    EXPECT_EQ(markOf("3■").colour, Rgb(0, 0, 0));
    EXPECT_EQ(markOf("3■").text, "■");
    // A mark without its digit counts as 0 and loses its first character, a whole one.
    TextBox noDigit = markOf("▲■");
    EXPECT_EQ(noDigit.colour, Rgb(255, 128, 128));
    EXPECT_EQ(noDigit.text, "■");
}

TEST(SignalSheetTest, DrawsEveryHistoryLineEvenWithoutALatestSignal) {
    SignalSheet sheet;
    sheet.Layout(2, 70);
    std::vector<std::string> history(14, "line");
    history[13] = "last";
    std::vector<TextBox> texts = sheet.Picture("", history);
    ASSERT_EQ(texts.size(), 14u);
    EXPECT_EQ(texts[0], (TextBox{ViewRect::At(18, 364, 220, 12), "line", SignalSheet::FONT_HISTORY,
                                 SignalSheet::TEXT_COLOUR, TextAlign::Near}));
    EXPECT_EQ(texts[13].rect, ViewRect::At(18, 364 + 13 * 14, 220, 12));
    EXPECT_EQ(texts[13].text, "last");
}

}  // namespace
