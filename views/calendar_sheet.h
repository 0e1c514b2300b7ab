// The calendar page's month sheet without the drawing: where the year, the month, the weekday
// headers and the 6 x 7 day cells lie on the panel, which cell the pointer hovers over and which
// one the left button went down on, what a picture of the sheet holds, and what a mouse event
// means. All points and rectangles are panel-client pixels.
//
// The sheet shows the month of the date it is given (the core's calendar date) and writes the
// day the user chooses into it.
#pragma once

#include <array>
#include <vector>

#include "base/calendar_date.h"
#include "views/calendar_month.h"
#include "views/text_box.h"
#include "views/view_rect.h"

enum class DayIcon { Selected, Pressed, Hover };

struct DayIconStamp {
    int x = 0;
    int y = 0;
    DayIcon icon = DayIcon::Selected;
    bool operator==(const DayIconStamp&) const = default;
};

// Icons go under the texts.
struct CalendarPicture {
    std::vector<DayIconStamp> icons;
    std::vector<TextBox> texts;
};

// What a mouse event asks of the panel.
struct CalendarPointerResult {
    bool repaint = false;     // redraw the calendar
    bool handCursor = false;  // the pointer is over a day
    bool dayChosen = false;   // the date changed: refill the list and redraw the whole panel
};

class CalendarSheet {
public:
    // The sheet's three fonts, indexes of TextBox::font.
    static constexpr int FONT_WEEKDAY_AND_DAY = 0;  // "ＭＳ 明朝" 10 pt bold
    static constexpr int FONT_YEAR_AND_NAME = 1;    // "Times New Roman" 12 pt bold
    static constexpr int FONT_MONTH_NUMBER = 2;     // "Times New Roman" 18 pt bold
    static constexpr uint32_t NORMAL_COLOUR = Rgb(200, 200, 141);
    static constexpr uint32_t SUNDAY_COLOUR = Rgb(255, 64, 64);
    static constexpr uint32_t SATURDAY_COLOUR = Rgb(128, 128, 255);
    static constexpr int NO_CELL = -1;

    explicit CalendarSheet(CalendarDate& date) : date_(date) {}

    // Lays the sheet out with its top-left corner at (originX, originY) and forgets the pointer.
    void Layout(int originX, int originY);

    CalendarPicture Picture() const;

    // The cell (row * 7 + column) under the point, empty or not; NO_CELL off the grid.
    int CellAt(int x, int y) const;
    const ViewRect& CellRect(int cell) const { return cells_[static_cast<size_t>(cell)]; }
    // The point lies on a cell: there, pressing the left button does not drag the panel.
    bool HitTest(int x, int y) const { return CellAt(x, y) != NO_CELL; }
    bool HasHoverCell() const { return hoverCell_ != NO_CELL; }

    CalendarPointerResult MouseMove(int x, int y);
    CalendarPointerResult ButtonDown(int x, int y);
    CalendarPointerResult ButtonUp(int x, int y);

private:
    bool HoldsDay(int cell) const;
    void AddDay(CalendarPicture& picture, int cell, int day) const;
    void AddHeader(CalendarPicture& picture) const;

    CalendarDate& date_;
    ViewRect year_;
    ViewRect monthNumber_;
    ViewRect monthName_;
    std::array<ViewRect, CALENDAR_COLUMNS> weekdays_{};
    std::array<ViewRect, CALENDAR_CELLS> cells_{};
    int hoverCell_ = NO_CELL;
    int pressedCell_ = NO_CELL;
};
