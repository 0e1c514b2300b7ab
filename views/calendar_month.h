// The calendar's month arithmetic: which day stands in which cell of the six-week grid, and the
// moves of the month buttons.
//
// The grid is plain calendar arithmetic on the local date, so it needs no clock and no time
// zone: a day that lasts 23 or 25 hours for daylight saving still takes exactly one cell.
#pragma once

#include <array>

#include "base/calendar_date.h"

inline constexpr int CALENDAR_COLUMNS = 7;  // Sunday first
inline constexpr int CALENDAR_ROWS = 6;
inline constexpr int CALENDAR_CELLS = CALENDAR_COLUMNS * CALENDAR_ROWS;

// Cell row * 7 + column holds its day of the month, 0 for a cell outside the month. Day 1
// stands in row 0 under its weekday; each Sunday starts a new row.
using MonthCells = std::array<int, CALENDAR_CELLS>;
MonthCells CellsOfMonth(int year, int month);

// 0 for a month outside 1 .. 12 (whose grid is then empty).
int DaysInMonth(int year, int month);
// 0 = Sunday .. 6 = Saturday, in the proleptic Gregorian calendar.
int WeekdayOf(int year, int month, int day);

// The first day of the month `months` months after (or, when negative, before) the date's month.
CalendarDate FirstOfMonthAfter(const CalendarDate& date, int months);
