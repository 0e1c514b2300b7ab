// What a mouse or balloon event at the tray icon asks of the panel. The shell reports the event
// as the long parameter of the icon's callback message; the values below are the system's
// message numbers for the events the panel reacts to.
#pragma once

#include <cstdint>

inline constexpr uint32_t TRAY_LEFT_DOUBLE_CLICK = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr uint32_t TRAY_RIGHT_BUTTON_UP = 0x0205;    // WM_RBUTTONUP
inline constexpr uint32_t TRAY_BALLOON_CLICKED = 0x0405;    // NIN_BALLOONUSERCLICK

enum class TrayAction {
    None,
    TogglePanel,  // hide a shown panel, show a hidden one
    ShowMenu,     // the panel menu at the pointer; the chosen command then runs
    OpenPage,     // show a hidden panel, then the page (if any)
    BringDialogToFront,  // a dialog of the program is open: it comes to the front
};

struct TrayResponse {
    static constexpr int NO_PAGE = -1;

    TrayAction action = TrayAction::None;
    int page = NO_PAGE;  // with OpenPage: 2 news, 3 notices, or NO_PAGE

    bool operator==(const TrayResponse&) const = default;
};

// balloonKind: the kind of the last balloon shown (0 none, 1 news, 2 notices); a click on the
// balloon opens the page that lists what it announced.
TrayResponse DecideTrayResponse(uint32_t event, int balloonKind);
