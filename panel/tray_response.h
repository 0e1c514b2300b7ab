// What a mouse or balloon event at the tray icon asks of the panel. The shell reports the event
// as the long parameter of the icon's callback message; the values below are the system's
// message numbers for the events the panel reacts to.
#pragma once

#include <cstdint>

#include "app/panel_effect.h"

inline constexpr uint32_t TRAY_LEFT_DOUBLE_CLICK = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr uint32_t TRAY_RIGHT_BUTTON_UP = 0x0205;    // WM_RBUTTONUP
inline constexpr uint32_t TRAY_BALLOON_CLICKED = 0x0405;    // NIN_BALLOONUSERCLICK

// balloonKind: the kind of the last balloon shown (0 none, 1 news, 2 notices); a click on the
// balloon opens the page that lists what it announced. Events the panel ignores ask nothing.
PanelEffects DecideTrayResponse(uint32_t event, int balloonKind);
