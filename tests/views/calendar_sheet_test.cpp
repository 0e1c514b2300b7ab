#include "views/calendar_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/local_time.h"

namespace {

constexpr int ORIGIN_X = 2;
constexpr int ORIGIN_Y = 70;

struct Point {
    int x;
    int y;
};

// The middle of the cell in that row and column, in panel-client pixels.
Point CellPoint(int row, int column) {
    return {ORIGIN_X + 14 + 30 * column + 15, ORIGIN_Y + 50 + 24 * row + 12};
}

const Point OFF_GRID = {ORIGIN_X + 100, ORIGIN_Y + 10};  // on the month name

class CalendarSheetTest : public ::testing::Test {
protected:
    // March 2014 starts on a Saturday and its 31st is a Monday: all six rows.
    CalendarSheetTest() { sheet.Layout(ORIGIN_X, ORIGIN_Y); }

    CalendarPointerResult Move(Point p) { return sheet.MouseMove(p.x, p.y); }
    CalendarPointerResult Down(Point p) { return sheet.ButtonDown(p.x, p.y); }
    CalendarPointerResult Up(Point p) { return sheet.ButtonUp(p.x, p.y); }
    CalendarPointerResult Click(Point p) {
        Down(p);
        return Up(p);
    }

    const TextBox* TextOf(const CalendarPicture& picture, const std::string& text) const {
        auto found = std::find_if(picture.texts.begin(), picture.texts.end(),
                                  [&](const TextBox& box) { return box.text == text; });
        return found == picture.texts.end() ? nullptr : &*found;
    }

    CalendarDate date{2014, 3, 10};
    CalendarSheet sheet{date};
};

}  // namespace

TEST(CalendarMonthTest, WeekdaysAgreeWithTheLocalCalendar) {
    // From 1971: the Windows runtime converts no time before 1970.
    for (int year = 1971; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            int64_t noon = FromLocalTime(year, month, 1, 12, 0, 0);
            ASSERT_EQ(WeekdayOf(year, month, 1), ToLocalTime(noon).weekday) << year << "/" << month;
        }
    }
}

TEST(CalendarMonthTest, CellsFollowTheWeekdaysAndLeaveUnusedRowsEmpty) {
    MonthCells march = CellsOfMonth(2014, 3);
    EXPECT_EQ(march[6], 1);           // Saturday of the first row
    EXPECT_EQ(march[7], 2);           // the next row starts on Sunday
    EXPECT_EQ(march[5 * 7 + 1], 31);  // Monday of the sixth row
    EXPECT_EQ(std::count(march.begin(), march.end(), 0), 42 - 31);

    MonthCells february = CellsOfMonth(2015, 2);  // starts on a Sunday, 28 days
    EXPECT_EQ(february[0], 1);
    EXPECT_EQ(february[27], 28);
    EXPECT_TRUE(
        std::all_of(february.begin() + 28, february.end(), [](int day) { return day == 0; }));

    EXPECT_EQ(DaysInMonth(2016, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
}

TEST(CalendarMonthTest, MonthButtonsGoToTheFirstOfTheNeighbouringMonth) {
    EXPECT_EQ(FirstOfMonthAfter({2014, 1, 15}, -1), (CalendarDate{2013, 12, 1}));
    EXPECT_EQ(FirstOfMonthAfter({2013, 12, 31}, 1), (CalendarDate{2014, 1, 1}));
    EXPECT_EQ(FirstOfMonthAfter({2014, 5, 31}, 1), (CalendarDate{2014, 6, 1}));
    EXPECT_EQ(FirstOfMonthAfter({2014, 3, 10}, -15), (CalendarDate{2012, 12, 1}));
}

TEST_F(CalendarSheetTest, ClickingADaySelectsItEvenInTheSixthRow) {
    CalendarPointerResult result = Click(CellPoint(5, 1));
    EXPECT_TRUE(result.dayChosen);
    EXPECT_TRUE(result.repaint);
    EXPECT_TRUE(result.handCursor);
    EXPECT_EQ(date, (CalendarDate{2014, 3, 31}));
}

TEST_F(CalendarSheetTest, EmptyCellsAreOnTheGridButChooseNothing) {
    date = {2015, 2, 10};
    EXPECT_TRUE(sheet.HitTest(CellPoint(4, 3).x, CellPoint(4, 3).y));
    CalendarPointerResult result = Click(CellPoint(4, 3));
    EXPECT_FALSE(result.dayChosen);
    EXPECT_FALSE(result.handCursor);
    EXPECT_EQ(date, (CalendarDate{2015, 2, 10}));

    EXPECT_TRUE(Move(CellPoint(0, 0)).handCursor);
    EXPECT_FALSE(Move(CellPoint(5, 6)).handCursor);
    EXPECT_FALSE(sheet.HitTest(OFF_GRID.x, OFF_GRID.y));
}

TEST_F(CalendarSheetTest, HoverRepaintsOnlyWhenTheCellChanges) {
    EXPECT_TRUE(Move(CellPoint(1, 1)).repaint);
    EXPECT_FALSE(Move(CellPoint(1, 1)).repaint);
    EXPECT_TRUE(Move(CellPoint(1, 2)).repaint);
    EXPECT_TRUE(sheet.HasHoverCell());
    // Leaving the grid repaints once to clear the mark, then not again.
    EXPECT_TRUE(Move(OFF_GRID).repaint);
    EXPECT_FALSE(sheet.HasHoverCell());
    EXPECT_FALSE(Move(OFF_GRID).repaint);
}

TEST_F(CalendarSheetTest, ReleaseOnAnotherCellChoosesNothingAndEndsThePress) {
    Point pressed = CellPoint(2, 3);
    EXPECT_TRUE(Down(pressed).repaint);
    CalendarPointerResult other = Up(CellPoint(2, 4));
    EXPECT_FALSE(other.dayChosen);
    EXPECT_TRUE(other.repaint);
    // The press is over: a later release on the first cell does not choose it either.
    EXPECT_FALSE(Up(pressed).dayChosen);
    EXPECT_EQ(date.day, 10);
}

TEST_F(CalendarSheetTest, PressSurvivesLeavingTheGridUntilAReleaseOnIt) {
    Point pressed = CellPoint(2, 3);  // 12 March
    Down(pressed);
    Move(OFF_GRID);
    CalendarPointerResult outside = Up(OFF_GRID);
    EXPECT_FALSE(outside.repaint);
    EXPECT_FALSE(outside.dayChosen);
    Move(pressed);
    EXPECT_TRUE(Up(pressed).dayChosen);
    EXPECT_EQ(date.day, 12);
}

TEST_F(CalendarSheetTest, PictureShowsTheMonthWithWeekendColours) {
    CalendarPicture picture = sheet.Picture();
    ASSERT_NE(TextOf(picture, "2014"), nullptr);
    EXPECT_EQ(TextOf(picture, "3")->font, CalendarSheet::FONT_MONTH_NUMBER);
    ASSERT_NE(TextOf(picture, "Mar"), nullptr);
    EXPECT_EQ(TextOf(picture, "SUN")->colour, CalendarSheet::SUNDAY_COLOUR);
    EXPECT_EQ(TextOf(picture, "SAT")->colour, CalendarSheet::SATURDAY_COLOUR);
    EXPECT_EQ(TextOf(picture, "WED")->colour, CalendarSheet::NORMAL_COLOUR);

    const TextBox* first = TextOf(picture, "1");  // Saturday 1 March
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->colour, CalendarSheet::SATURDAY_COLOUR);
    EXPECT_EQ(first->rect, sheet.CellRect(6));
    EXPECT_EQ(first->dy, 5);
    EXPECT_EQ(TextOf(picture, "2")->colour, CalendarSheet::SUNDAY_COLOUR);
    EXPECT_EQ(TextOf(picture, "31")->rect, sheet.CellRect(36));
    EXPECT_EQ(TextOf(picture, "32"), nullptr);
}

TEST_F(CalendarSheetTest, IconsMarkTheChosenHoveredAndPressedDays) {
    const ViewRect& chosen = sheet.CellRect(6 + 9);  // 10 March
    CalendarPicture plain = sheet.Picture();
    ASSERT_EQ(plain.icons.size(), 1u);
    EXPECT_EQ(plain.icons[0], (DayIconStamp{chosen.left + 3, chosen.top, DayIcon::Selected}));

    const ViewRect& hovered = sheet.CellRect(2 * 7 + 3);
    Move(CellPoint(2, 3));
    EXPECT_EQ(sheet.Picture().icons.back(),
              (DayIconStamp{hovered.left + 3, hovered.top, DayIcon::Hover}));
    Down(CellPoint(2, 3));
    EXPECT_EQ(sheet.Picture().icons.back().icon, DayIcon::Pressed);
    // Pressed but no longer under the pointer: no mark at all.
    Move(CellPoint(3, 3));
    CalendarPicture moved = sheet.Picture();
    EXPECT_EQ(moved.icons.size(), 2u);
    EXPECT_EQ(moved.icons.back().icon, DayIcon::Hover);

    // The chosen day keeps its own mark under the pointer.
    Move(CellPoint(2, 1));
    EXPECT_EQ(sheet.Picture().icons.size(), 1u);
}

TEST_F(CalendarSheetTest, LayoutFollowsTheOriginAndForgetsThePointer) {
    Move(CellPoint(1, 1));
    Down(CellPoint(1, 1));
    sheet.Layout(ORIGIN_X, ORIGIN_Y + 10);
    EXPECT_FALSE(sheet.HasHoverCell());
    EXPECT_EQ(sheet.CellRect(0), ViewRect::At(ORIGIN_X + 14, ORIGIN_Y + 60, 30, 24));
    // The old press is gone: a release alone chooses nothing.
    EXPECT_FALSE(sheet.ButtonUp(CellPoint(1, 1).x, CellPoint(1, 1).y + 10).dayChosen);
}
