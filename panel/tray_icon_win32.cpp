#include "panel/tray_icon_win32.h"

#include <shellapi.h>

#include <cstring>

#include "base/os.h"
#include "framework/private_messages.h"
#include "panel/balloon_field.h"
#include "resources/resource.h"

static_assert(TRAY_LEFT_DOUBLE_CLICK == WM_LBUTTONDBLCLK);
static_assert(TRAY_RIGHT_BUTTON_UP == WM_RBUTTONUP);
static_assert(TRAY_BALLOON_CLICKED == NIN_BALLOONUSERCLICK);
static_assert(BALLOON_TITLE_BYTES < sizeof(NOTIFYICONDATAA::szInfoTitle));
static_assert(BALLOON_TEXT_BYTES < sizeof(NOTIFYICONDATAA::szInfo));

namespace {

constexpr UINT ICON_ID = 0;

// A record of the version every shell since Windows XP reads, for the panel's icon.
NOTIFYICONDATAA IconRecord(HWND owner) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof(record));
    record.cbSize = NOTIFYICONDATAA_V3_SIZE;
    record.hWnd = owner;
    record.uID = ICON_ID;
    return record;
}

void CopyField(char* field, const std::string& text) {
    std::memcpy(field, text.c_str(), text.size() + 1);
}

}  // namespace

bool CTrayIcon::AddTrayIcon() {
    NOTIFYICONDATAA record = IconRecord(owner_);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = UM_TRAY_NOTIFY;
    record.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    CopyField(record.szTip, "Pelimor");
    // NIM_ADD refuses an icon that is there already; NIM_MODIFY then says that it is.
    const bool present =
        Shell_NotifyIconA(NIM_ADD, &record) || Shell_NotifyIconA(NIM_MODIFY, &record);
    if (!present && !refusalTraced_)
        Os().Trace(
            "tray icon: the shell refused to register it; a hidden panel has no way back "
            "until it does");
    refusalTraced_ = !present;
    return present;
}

void CTrayIcon::RemoveTrayIcon() const {
    NOTIFYICONDATAA record = IconRecord(owner_);
    Shell_NotifyIconA(NIM_DELETE, &record);
}

bool CTrayIcon::ShowBalloon(int kind, const std::string& title, const std::string& text,
                            unsigned timeout) {
    balloonKind_ = kind;
    NOTIFYICONDATAA record = IconRecord(owner_);
    record.uFlags = NIF_INFO;
    CopyField(record.szInfoTitle, FitBalloonField(title, BALLOON_TITLE_BYTES));
    CopyField(record.szInfo, FitBalloonField(text, BALLOON_TEXT_BYTES));
    record.dwInfoFlags = NIIF_INFO;
    record.uTimeout = timeout;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

PanelEffects CTrayIcon::OnNotify(LPARAM event) const {
    return DecideTrayResponse(LOWORD(event), balloonKind_);
}

int TrackPanelMenu(HWND panel) {
    POINT cursor;
    GetCursorPos(&cursor);
    SetForegroundWindow(panel);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PANEL_MENU));
    if (!menu) return 0;
    int command = TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_NONOTIFY, cursor.x,
                                 cursor.y, 0, panel, nullptr);
    // Without a message after the menu, a menu opened from the tray may not close on the next
    // click elsewhere.
    PostMessageA(panel, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return command;
}
