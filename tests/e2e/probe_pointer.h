// Moving the pointer before a click. The panel's lists find the clicked cell where the system
// says the pointer is. Under Wine the window's process may still hold the pointer motion of an
// earlier move and report it after this one, putting the pointer back; so the move is repeated
// until, with that process's messages handled, the pointer stays where it was put (a second at
// most).
#pragma once

#include <windows.h>

inline void MovePointer(HWND window, POINT screen) {
    for (int tries = 0; tries < 20; ++tries) {
        SetCursorPos(screen.x, screen.y);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
        Sleep(50);
        POINT now;
        if (GetCursorPos(&now) && now.x == screen.x && now.y == screen.y) return;
    }
}
