#include "views/indicator_details.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/local_time.h"

namespace {

class IndicatorDetailsTest : public ::testing::Test {
protected:
    IndicatorDetailsTest() {
        details.Layout(8, 276);
        record.name = "米国雇用統計";
        record.forecast = "1.5%";
        record.previous = "1.2%";
        record.rank = 3;
    }

    std::vector<std::string> Texts(const DetailPicture& picture) const {
        std::vector<std::string> texts;
        for (const TextBox& box : picture.texts) texts.push_back(box.text);
        return texts;
    }

    // A narrow font: the clock text leaves the title its whole place.
    FontTextWidth widthOf = [](const std::string& text, int) {
        return 4 * static_cast<int>(text.size());
    };
    IndicatorDetails details;
    IndicatorRecord record;
    int64_t now = FromLocalTime(2014, 3, 5, 9, 7, 59);
};

}  // namespace

TEST_F(IndicatorDetailsTest, WithoutSelectionOnlyTitleAndClock) {
    DetailPicture picture = details.Picture(nullptr, now, widthOf);
    EXPECT_EQ(picture.title.text, "重要指標アラート");
    EXPECT_EQ(picture.title.colour, IndicatorDetails::TITLE_COLOUR);
    EXPECT_EQ(picture.title.align, TextAlign::Near);
    EXPECT_EQ(picture.title.rect, ViewRect::At(8, 276, 140, 20));
    ASSERT_EQ(picture.texts.size(), 1u);
    // Minutes only: the clock does not show the seconds.
    EXPECT_EQ(picture.texts[0].text, "2014 3/5 09:07");
    EXPECT_EQ(picture.texts[0].align, TextAlign::Far);
}

TEST_F(IndicatorDetailsTest, SelectedAnnouncementShowsItsDetails) {
    DetailPicture picture = details.Picture(&record, now, widthOf);
    EXPECT_EQ(Texts(picture), (std::vector<std::string>{"2014 3/5 09:07", "米国雇用統計", "★★★",
                                                        "予想:1.5%", "前回値:1.2%", "結果:"}));
    for (size_t i = 1; i < picture.texts.size(); ++i) {
        EXPECT_EQ(picture.texts[i].font, IndicatorDetails::FONT_DETAIL);
        EXPECT_EQ(picture.texts[i].colour, IndicatorDetails::TEXT_COLOUR);
        EXPECT_EQ(picture.texts[i].align, TextAlign::Near);
    }
}

TEST_F(IndicatorDetailsTest, RankStarsAreBounded) {
    record.rank = 0;
    EXPECT_EQ(details.Picture(&record, now, widthOf).texts[2].text, "");
    record.rank = -4;
    EXPECT_EQ(details.Picture(&record, now, widthOf).texts[2].text, "");
    record.rank = 2000000000;
    std::string stars;
    for (int i = 0; i < IndicatorDetails::MAX_STARS; ++i) stars += "★";
    EXPECT_EQ(details.Picture(&record, now, widthOf).texts[2].text, stars);
}

TEST_F(IndicatorDetailsTest, DetailsMoveWithTheView) {
    details.Layout(8, 276 - 190);
    DetailPicture picture = details.Picture(&record, now, widthOf);
    EXPECT_EQ(picture.texts[1].rect, ViewRect::At(8, 276 - 190 + 184, 226, 36));
}

// The title's place overlaps the clock's; with wide fonts the two texts ran into each other.
TEST_F(IndicatorDetailsTest, TitleEndsBeforeTheClockTextWhateverItsWidth) {
    for (int pixelsPerByte : {4, 6, 8, 10, 12, 20}) {
        SCOPED_TRACE(pixelsPerByte);
        FontTextWidth wide = [pixelsPerByte](const std::string& text, int) {
            return pixelsPerByte * static_cast<int>(text.size());
        };
        DetailPicture picture = details.Picture(nullptr, now, wide);
        const TextBox& clock = picture.texts[0];
        int clockTextLeft =
            clock.rect.right -
            std::min(wide(clock.text, IndicatorDetails::FONT_CLOCK), clock.rect.Width());
        EXPECT_LE(picture.title.rect.right + IndicatorDetails::TITLE_CLOCK_GAP, clockTextLeft);
        EXPECT_GE(picture.title.rect.right, picture.title.rect.left);
        EXPECT_EQ(picture.title.rect.left, 8);
        EXPECT_LE(picture.title.rect.right, 8 + 140);
        EXPECT_TRUE(picture.title.ellipsis);
    }
}
