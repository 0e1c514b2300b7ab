#include "views/calendar_sheet.h"

#include <string>

#include "base/calendar_names.h"

namespace {

constexpr int CELL_WIDTH = 30;
constexpr int CELL_HEIGHT = 24;
constexpr int GRID_LEFT = 14;
constexpr int GRID_TOP = 50;
constexpr int HEADER_TOP = 35;
constexpr int HEADER_HEIGHT = 16;
// The day numbers sit low in their cells, below the middle of the day icons.
constexpr int DAY_TEXT_DROP = 5;
constexpr int ICON_INSET = 3;

uint32_t ColumnColour(int column) {
    if (column == 0) return CalendarSheet::SUNDAY_COLOUR;
    if (column == CALENDAR_COLUMNS - 1) return CalendarSheet::SATURDAY_COLOUR;
    return CalendarSheet::NORMAL_COLOUR;
}

}  // namespace

void CalendarSheet::Layout(int originX, int originY) {
    auto place = [&](int x, int y, int width, int height) {
        return ViewRect::At(originX + x, originY + y, width, height);
    };
    year_ = place(62, 12, 40, 20);
    monthNumber_ = place(104, 7, 34, 24);
    monthName_ = place(140, 12, 40, 20);
    for (int column = 0; column < CALENDAR_COLUMNS; ++column) {
        weekdays_[static_cast<size_t>(column)] =
            place(GRID_LEFT + CELL_WIDTH * column, HEADER_TOP, CELL_WIDTH, HEADER_HEIGHT);
    }
    for (int cell = 0; cell < CALENDAR_CELLS; ++cell) {
        int row = cell / CALENDAR_COLUMNS;
        int column = cell % CALENDAR_COLUMNS;
        cells_[static_cast<size_t>(cell)] = place(
            GRID_LEFT + CELL_WIDTH * column, GRID_TOP + CELL_HEIGHT * row, CELL_WIDTH, CELL_HEIGHT);
    }
    hoverCell_ = NO_CELL;
    pressedCell_ = NO_CELL;
}

CalendarPicture CalendarSheet::Picture() const {
    CalendarPicture picture;
    AddHeader(picture);
    MonthCells days = CellsOfMonth(date_.year, date_.month);
    for (int cell = 0; cell < CALENDAR_CELLS; ++cell) {
        int day = days[static_cast<size_t>(cell)];
        if (day != 0) AddDay(picture, cell, day);
    }
    return picture;
}

void CalendarSheet::AddHeader(CalendarPicture& picture) const {
    picture.texts.push_back(
        {year_, std::to_string(date_.year), FONT_YEAR_AND_NAME, NORMAL_COLOUR, TextAlign::Center});
    picture.texts.push_back({monthNumber_, std::to_string(date_.month), FONT_MONTH_NUMBER,
                             NORMAL_COLOUR, TextAlign::Center});
    if (date_.month >= 1 && date_.month <= 12) {
        picture.texts.push_back({monthName_, MONTH_ABBREVIATIONS[date_.month - 1],
                                 FONT_YEAR_AND_NAME, NORMAL_COLOUR, TextAlign::Center});
    }
    for (int column = 0; column < CALENDAR_COLUMNS; ++column) {
        picture.texts.push_back({weekdays_[static_cast<size_t>(column)],
                                 WEEKDAY_ABBREVIATIONS[column], FONT_WEEKDAY_AND_DAY,
                                 ColumnColour(column), TextAlign::Center});
    }
}

void CalendarSheet::AddDay(CalendarPicture& picture, int cell, int day) const {
    const ViewRect& rect = CellRect(cell);
    if (day == date_.day) {
        picture.icons.push_back({rect.left + ICON_INSET, rect.top, DayIcon::Selected});
    } else if (cell == hoverCell_) {
        // A pressed cell shows itself pressed only while the pointer is still on it.
        DayIcon icon = cell == pressedCell_ ? DayIcon::Pressed : DayIcon::Hover;
        picture.icons.push_back({rect.left + ICON_INSET, rect.top, icon});
    }
    picture.texts.push_back({rect, std::to_string(day), FONT_WEEKDAY_AND_DAY,
                             ColumnColour(cell % CALENDAR_COLUMNS), TextAlign::Center,
                             DAY_TEXT_DROP});
}

int CalendarSheet::CellAt(int x, int y) const {
    for (int cell = 0; cell < CALENDAR_CELLS; ++cell) {
        if (CellRect(cell).Contains(x, y)) return cell;
    }
    return NO_CELL;
}

bool CalendarSheet::HoldsDay(int cell) const {
    if (cell == NO_CELL) return false;
    return CellsOfMonth(date_.year, date_.month)[static_cast<size_t>(cell)] != 0;
}

CalendarPointerResult CalendarSheet::MouseMove(int x, int y) {
    CalendarPointerResult result;
    int cell = CellAt(x, y);
    result.handCursor = HoldsDay(cell);
    if (cell != NO_CELL) {
        result.repaint = cell != hoverCell_;
        hoverCell_ = cell;
    } else if (hoverCell_ != NO_CELL) {
        hoverCell_ = NO_CELL;
        result.repaint = true;
    }
    return result;
}

CalendarPointerResult CalendarSheet::ButtonDown(int x, int y) {
    CalendarPointerResult result;
    int cell = CellAt(x, y);
    result.handCursor = HoldsDay(cell);
    if (cell != NO_CELL) {
        pressedCell_ = cell;
        result.repaint = true;
    }
    return result;
}

CalendarPointerResult CalendarSheet::ButtonUp(int x, int y) {
    CalendarPointerResult result;
    int cell = CellAt(x, y);
    result.handCursor = HoldsDay(cell);
    // A release off the grid leaves the press standing: the user may still come back to it.
    if (cell == NO_CELL) return result;
    if (cell == pressedCell_ && HoldsDay(cell)) {
        date_.day = CellsOfMonth(date_.year, date_.month)[static_cast<size_t>(cell)];
        result.dayChosen = true;
    }
    pressedCell_ = NO_CELL;
    result.repaint = true;
    return result;
}
