#include "panel/window_placement_win32.h"

#include "app/app_core.h"
#include "app/window_position.h"

void StoreWindowPosition(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return;
    theCore.m_windowLeft = placement.rcNormalPosition.left;
    theCore.m_windowTop = placement.rcNormalPosition.top;
}

void RestoreWindowPosition(HWND window) {
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return;
    ScreenPoint position =
        ClampWindowPosition(desktop.right - desktop.left, desktop.bottom - desktop.top,
                            {theCore.m_windowLeft, theCore.m_windowTop});
    theCore.m_windowLeft = position.x;
    theCore.m_windowTop = position.y;
    RECT& normal = placement.rcNormalPosition;
    OffsetRect(&normal, position.x - normal.left, position.y - normal.top);
    SetWindowPlacement(window, &placement);
}

void KeepWindowOnDesktop(HWND window) {
    StoreWindowPosition(window);
    RestoreWindowPosition(window);
}
