// Finding the dialog a modal loop of this thread is running, so that a window that stays usable
// beside it (the panel, its tray icon) can bring it to the front instead of opening another.
#pragma once

#include <windows.h>

// The calling thread's first visible, enabled dialog or message box other than `except`, in
// z-order: of nested ones, the innermost. Null when none is open.
HWND FindOpenDialog(HWND except);
