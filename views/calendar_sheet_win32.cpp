#include "views/calendar_sheet_win32.h"

#include <utility>

#include "app/app_core.h"
#include "resources/resource.h"
#include "views/hand_cursor_win32.h"

namespace {

constexpr int ICON_SIZE = 24;

HICON LoadDayIcon(int resourceId) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                         IMAGE_ICON, ICON_SIZE, ICON_SIZE, LR_DEFAULTCOLOR));
}

}  // namespace

CalendarHolder::CalendarHolder()
    : sheet_(theCore.m_calendarDate),
      weekdayFont_(L"ＭＳ 明朝", 10.0f, FONT_BOLD),
      yearFont_(L"Times New Roman", 12.0f, FONT_BOLD),
      monthFont_(L"Times New Roman", 18.0f, FONT_BOLD) {
    icons_[static_cast<size_t>(DayIcon::Selected)].Reset(LoadDayIcon(IDI_SELECTED_DAY));
    icons_[static_cast<size_t>(DayIcon::Pressed)].Reset(LoadDayIcon(IDI_PRESSED_DAY));
    icons_[static_cast<size_t>(DayIcon::Hover)].Reset(LoadDayIcon(IDI_HOVER_DAY));
}

void CalendarHolder::Layout() { sheet_.Layout(OriginX(), OriginY()); }

void CalendarHolder::Draw(HDC dc) {
    if (!Visible()) return;
    CalendarPicture picture = sheet_.Picture();
    // The icons go down with GDI before GDI+ takes the context for the texts above them.
    DrawIcons(dc, picture);
    ViewGraphics graphics(dc);
    graphics.Smooth();
    const ViewFont* fonts[] = {&weekdayFont_, &yearFont_, &monthFont_};
    for (const TextBox& box : picture.texts) {
        DrawTextBox(graphics.Get(), box, fonts[box.font]->Get());
    }
}

void CalendarHolder::DrawIcons(HDC dc, const CalendarPicture& picture) const {
    for (const DayIconStamp& stamp : picture.icons) {
        HICON icon = icons_[static_cast<size_t>(stamp.icon)].Get();
        if (icon)
            DrawIconEx(dc, stamp.x, stamp.y, icon, ICON_SIZE, ICON_SIZE, 0, nullptr, DI_NORMAL);
    }
}

bool CalendarHolder::HitTest(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return sheet_.HitTest(point.x, point.y);
}

bool CalendarHolder::OnMouseMove(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return Follow(sheet_.MouseMove(point.x, point.y));
}

bool CalendarHolder::OnLButtonDown(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return Follow(sheet_.ButtonDown(point.x, point.y));
}

bool CalendarHolder::OnLButtonUp(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return Follow(sheet_.ButtonUp(point.x, point.y));
}

bool CalendarHolder::Follow(const CalendarPointerResult& result) {
    if (result.handCursor) ShowHandCursor();
    if (result.dayChosen) dayChosen_ = true;
    return result.repaint;
}

bool CalendarHolder::TakeDayChosen() { return std::exchange(dayChosen_, false); }
