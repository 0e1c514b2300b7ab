// CalendarHolder: the month calendar of the indicator page. It draws the month of the core's
// calendar date with the chosen day, the day under the pointer and the pressed day marked by
// icons, and a click on a day makes that day the calendar date; the panel then refills its
// indicator list for it and repaints itself (TakeDayChosen).
//
// The month buttons belong to it as children; what they do is the panel's.
#pragma once

#include <array>

#include "framework/gdi_handles.h"
#include "views/calendar_sheet.h"
#include "views/holder_wnd_win32.h"

class CalendarHolder : public XHolderWnd {
public:
    CalendarHolder();

    void Layout() override;
    void Draw(HDC dc) override;
    bool HitTest(int screenX, int screenY) override;
    bool OnMouseMove(int screenX, int screenY) override;
    bool OnLButtonDown(int screenX, int screenY) override;
    bool OnLButtonUp(int screenX, int screenY) override;

    // A cell is marked as under the pointer (the panel updates it before it lets the user drag).
    bool HasHoverCell() const { return sheet_.HasHoverCell(); }
    // True once after a mouse event made a day the calendar date.
    bool TakeDayChosen();

private:
    bool Follow(const CalendarPointerResult& result);
    void DrawIcons(HDC dc, const CalendarPicture& picture) const;

    CalendarSheet sheet_;
    ViewFont weekdayFont_;
    ViewFont yearFont_;
    ViewFont monthFont_;
    std::array<OwnedIcon, 3> icons_;  // by DayIcon
    bool dayChosen_ = false;
};
