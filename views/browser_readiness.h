// Whether the HTML pane's browser control can show pages. A control that is missing or refuses
// the page is given up on for good; one that does not finish its first page in time (a cold
// start at logon, a slow image, a system without an HTML engine that accepts the page and then
// loads nothing) is kept out of sight while the panel shows the bodies as plain text, and is
// used again as soon as it completes a later load.
#pragma once

#include <cstdint>

enum class BrowserState {
    Waiting,  // told to load the page, not finished yet
    Ready,    // finished loading once: it shows the pages from now on
    Late,     // no page within the patience: plain text until the control completes a load
    Failed,   // no control, or a refused page: plain text for good
};

class BrowserReadiness {
public:
    // How long a control may take to load its first page before the plain text stands in.
    static constexpr int64_t PATIENCE_SECONDS = 5;

    // The control was told to load the page at now (seconds since 1970); accepted is false when
    // there was no control or it refused.
    void Navigated(bool accepted, int64_t now);
    // The control's loading is complete or not at now. True when the state changed.
    bool Observe(bool complete, int64_t now);

    BrowserState State() const { return state_; }
    // The panel draws the bodies itself instead of showing the control.
    bool ShowsPlainText() const {
        return state_ == BrowserState::Late || state_ == BrowserState::Failed;
    }

private:
    BrowserState state_ = BrowserState::Failed;
    int64_t navigatedAt_ = 0;
};
