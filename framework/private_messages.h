// Every private window message of the program, numbered from one base so that no two are the
// same: a message posted to the wrong window then cannot pass for another. The panel's three come
// first; their numbers are fixed, since the tests post them to the panel from outside.
#pragma once

#include <windows.h>

// WM_USER + 100 keeps clear of the dialog manager's own messages just above WM_USER.
inline constexpr UINT PRIVATE_MESSAGE_BASE = WM_USER + 100;

enum PrivateMessage : UINT {
    // The panel's.
    UM_SOUND_FINISHED = PRIVATE_MESSAGE_BASE,  // a sound worker ended; wParam its request identity
    UM_TRAY_NOTIFY,  // the tray icon's callback; lParam the mouse or balloon event
    UM_FETCH_DONE,   // a background download finished; the panel takes what is done
    // The terminal-folder search dialog's, from its drive-scan worker.
    UM_FOLDER_FOUND,  // the found folders list has grown
    UM_SCAN_DONE,     // the scan has ended
    // The updater window's, from its install worker.
    UM_UPDATE_STATUS,  // a new status line is waiting
    UM_UPDATE_DONE,    // the install has ended
    // The licence dialog's, to itself.
    UM_CARET_TO_START,  // put the caret back at the start of the text, after the system placed it
};

static_assert(UM_SOUND_FINISHED == 1124 && UM_TRAY_NOTIFY == 1125 && UM_FETCH_DONE == 1126);
