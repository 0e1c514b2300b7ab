// Whether the HTML pane's browser control can show pages. A control that is missing, refuses
// the page or never finishes loading it (a system without an HTML engine may accept the page
// and then load nothing) is given up on, and the panel shows the bodies as plain text instead.
#pragma once

#include <cstdint>

enum class BrowserState {
    Waiting,  // told to load the page, not finished yet
    Ready,    // finished loading once: it shows the pages from now on
    Failed,   // no control, a refused page, or no page within the patience
};

class BrowserReadiness {
public:
    // How long a control may take to load its first page.
    static constexpr int64_t PATIENCE_SECONDS = 5;

    // The control was told to load the page at now (seconds since 1970); accepted is false when
    // there was no control or it refused.
    void Navigated(bool accepted, int64_t now);
    // The control's loading is complete or not at now. True when the state changed.
    bool Observe(bool complete, int64_t now);

    BrowserState State() const { return state_; }

private:
    BrowserState state_ = BrowserState::Failed;
    int64_t navigatedAt_ = 0;
};
