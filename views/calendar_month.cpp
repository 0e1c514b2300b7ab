#include "views/calendar_month.h"

#include <cstddef>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Floor division, so that months before January step back into the previous year.
int FloorDiv(int value, int divisor) {
    int quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

}  // namespace

int DaysInMonth(int year, int month) {
    static constexpr int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return DAYS[month - 1];
}

int WeekdayOf(int year, int month, int day) {
    // Sakamoto's method: January and February count as months of the previous year.
    static constexpr int MONTH_OFFSETS[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    int weekday = (year + year / 4 - year / 100 + year / 400 + MONTH_OFFSETS[month - 1] + day) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}

MonthCells CellsOfMonth(int year, int month) {
    MonthCells cells{};
    if (month < 1 || month > 12) return cells;
    int first = WeekdayOf(year, month, 1);
    int days = DaysInMonth(year, month);
    for (int day = 1; day <= days; ++day) cells[static_cast<size_t>(first + day - 1)] = day;
    return cells;
}

CalendarDate FirstOfMonthAfter(const CalendarDate& date, int months) {
    int monthIndex = date.year * 12 + (date.month - 1) + months;
    int year = FloorDiv(monthIndex, 12);
    return CalendarDate{year, monthIndex - year * 12 + 1, 1};
}
