// CalendarHolder: the month calendar of the indicator page. It draws the month of the core's
// calendar date with the chosen day, the day under the pointer and the pressed day marked by
// icons, and a click on a day makes that day the calendar date: the indicator list is refilled
// for it and the whole panel repainted.
//
// The month buttons belong to it as children; what they do is the panel's (StepCalendarMonth).
#pragma once

#include <array>

#include "views/calendar_sheet.h"
#include "views/holder_wnd_win32.h"

class CalendarHolder : public XHolderWnd {
public:
    CalendarHolder();
    ~CalendarHolder() override;

    void Layout() override;
    void Draw(HDC dc) override;
    bool HitTest(int screenX, int screenY) override;
    bool OnMouseMove(int screenX, int screenY) override;
    bool OnLButtonDown(int screenX, int screenY) override;
    bool OnLButtonUp(int screenX, int screenY) override;

    // A cell is marked as under the pointer (the panel updates it before it lets the user drag).
    bool HasHoverCell() const { return sheet_.HasHoverCell(); }

private:
    bool Follow(const CalendarPointerResult& result);
    void DrawIcons(HDC dc, const CalendarPicture& picture) const;

    CalendarSheet sheet_;
    ViewFont weekdayFont_;
    ViewFont yearFont_;
    ViewFont monthFont_;
    std::array<HICON, 3> icons_{};  // by DayIcon
};

// Moves the core's calendar date to the first day of the next (step 1) or previous (step -1)
// month, refills the indicator list and repaints the panel: the month buttons' click.
void StepCalendarMonth(int step);
