#include "panel/mailbox_windows_win32.h"

#include <cstdio>

#include "base/panel_window_titles.h"

void MailboxWindows::Create(HWND panel, int firstRootId) {
    for (int chain = 0; chain < CHAINS; ++chain) {
        HWND root = GetDlgItem(panel, firstRootId + chain);
        char title[16];
        std::snprintf(title, sizeof title, MAILBOX_ROOT_TITLE_FORMAT, chain + 1);
        SetWindowTextA(root, title);
        HWND parent = root;
        for (int level = 0; level < LEVELS && parent; ++level) {
            // Hidden, empty and sized 0 x 0: only their user data matter.
            parent = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
            levels_[chain][level] = parent;
        }
    }
    for (int chain = 1; chain <= CHAINS; ++chain)
        for (int level = 1; level <= LEVELS; ++level) SetValue(chain, level, 0);
}

void MailboxWindows::SetValue(int chain, int level, int32_t value) {
    if (chain < 1 || chain > CHAINS || level < 1 || level > LEVELS) return;
    if (HWND window = levels_[chain - 1][level - 1])
        SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(value));
}
