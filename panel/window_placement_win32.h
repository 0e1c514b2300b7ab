// The panel's position in the settings: stored when it closes, restored when it opens.
#pragma once

#include <windows.h>

// Keeps the left and top of the window's normal (not minimised) position in the core.
void StoreWindowPosition(HWND window);
// Moves the window to the stored position, or to (0, 0) when that lies off the desktop.
void RestoreWindowPosition(HWND window);
// After the desktop changed (a monitor removed, a smaller resolution): a window now off the
// desktop goes back to (0, 0) by the same rule; one still on it stays where it is.
void KeepWindowOnDesktop(HWND window);
