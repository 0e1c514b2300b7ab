// CHtmlPane: where the panel shows the HTML body of the news item, the notice or the signal
// messages on screen. The program writes a complete local page around the body into the page
// file, and the browser control (dialog item 1005), loaded with that file once, reloads it.
//
// When the browser cannot show pages (no control, a refused page, or a page that does not
// finish loading in time, as on a system without an HTML engine) the control is kept out of
// sight and the panel draws the body as plain text in the same place instead, so the news can
// always be read; a control that completes a later page is shown again.
#pragma once

#include <windows.h>

#include <string>

#include "views/browser_readiness.h"
#include "views/gdiplus_objects_win32.h"
#include "views/view_rect.h"
#include "views/web_browser2_win32.h"

class CHtmlPane {
public:
    // Where the pane waits, out of the window, while a page without a body is shown.
    static constexpr ViewRect OUT_OF_SIGHT{-40, -40, -20, -20};

    CHtmlPane();

    // Binds the panel's browser control, loads the page file into it and takes away its frame.
    // Called once while the panel initialises.
    void Create(CWnd* panel);

    // Puts the pane on rect (panel-client pixels).
    void MoveTo(const ViewRect& rect);
    // Writes the page for body (HTML, CP932) into the page file and reloads it.
    void Rebuild(const std::string& body);

    // Called every second: follows the browser's loading and puts the plain text in its place
    // while it has not completed a page, the control again once it has.
    void Poll();

    // Draws the body as plain text where the pane is, when the browser cannot show it. Called
    // with the panel's back buffer after the page views.
    void Draw(HDC dc) const;

private:
    bool ShowsPlainText() const { return readiness_.ShowsPlainText(); }
    void Reload();
    void PutControl() const;
    void InvalidateArea() const;

    CWebBrowser2 browser_;
    BrowserReadiness readiness_;
    HWND panel_ = nullptr;
    ViewRect rect_ = OUT_OF_SIGHT;
    std::string plainText_;
    ViewFont font_;
};
