#include "ea/mailbox_reader.h"

#include <windows.h>

#include <cstdio>

#include "base/panel_window_titles.h"

MailboxValues ReadPanelMailbox() {
    MailboxValues values;
    HWND panel = FindWindowA(nullptr, PANEL_WINDOW_TITLE);
    if (panel == nullptr) return values;
    char title[32];
    std::snprintf(title, sizeof title, MAILBOX_ROOT_TITLE_FORMAT, 1);
    HWND level = FindWindowExA(panel, nullptr, nullptr, title);
    int32_t read[3] = {};
    for (int32_t& value : read) {
        level = level != nullptr ? GetWindow(level, GW_CHILD) : nullptr;
        if (level == nullptr) return values;
        // The panel writes 32 bits; a 32-bit reader of a 64-bit panel gets exactly those.
        value = static_cast<int32_t>(GetWindowLongA(level, GWL_USERDATA));
    }
    values.panelFound = true;
    values.time = read[0];
    values.mask = read[1];
    values.direction = read[2];
    return values;
}
