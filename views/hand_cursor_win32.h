// The hand the panel shows over everything clickable (buttons, calendar days, news titles).
#pragma once

#include <windows.h>

// The application object owns the program's hand cursor and lends it here while it lives;
// nullptr takes it back.
void LendHandCursor(HCURSOR cursor);

// Shows the lent hand cursor; the system's hand while none is lent.
void ShowHandCursor();
