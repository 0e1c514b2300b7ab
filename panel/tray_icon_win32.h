// The panel's icon in the notification area: the way back to a hidden panel, the anchor of the
// panel menu, and the balloons that announce new news and notices.
#pragma once

#include <windows.h>

#include <string>

#include "panel/tray_response.h"

class CTrayIcon {
public:
    CTrayIcon() = default;
    ~CTrayIcon() = default;
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The window the icon reports to; set once the panel's window exists.
    void SetOwner(HWND panel) { owner_ = panel; }

    // Puts the program icon with the tip "Pelimor" into the notification area. Called at the
    // panel's start and every minute: an icon that is there already stays, and one the shell
    // lost (when it restarted) comes back. A refusal is traced once, until the icon is there
    // again.
    bool AddTrayIcon();
    void RemoveTrayIcon() const;

    // Shows a balloon with the information icon, title and text cut to what the shell holds;
    // timeout goes to the shell as given. kind (1 news, 2 notices) is remembered for a click
    // on the balloon.
    bool ShowBalloon(int kind, const std::string& title, const std::string& text, unsigned timeout);
    int BalloonKind() const { return balloonKind_; }

    // What the event of a UM_TRAY_NOTIFY message (its long parameter) asks of the panel.
    PanelEffects OnNotify(LPARAM event) const;

private:
    HWND owner_ = nullptr;
    int balloonKind_ = 0;
    bool refusalTraced_ = false;
};

// The first submenu of the panel menu at the pointer, the panel brought to the foreground
// first so the menu closes when the user clicks elsewhere. Returns the chosen command, 0 for
// none; the caller runs it.
int TrackPanelMenu(HWND panel);
