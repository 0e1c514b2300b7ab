// One thing the panel does when a timer fires. The schedule decides; the panel performs the
// actions in the order given.
#pragma once

#include <cstdint>
#include <vector>

enum class TimerActionKind {
    AddTrayIcon,          // register the tray icon again; no effect while it is present
    StartFeedFetch,       // start a background fetch of the kind in `value`
    RefillIndicatorList,  // fill the list for m_calendarDate and take its selection
    RedrawPanel,          // repaint the whole panel
    LayOutPanel,          // lay the panel out again for its page
    ShowNewsPage,
    KillTimer,       // kill the timer whose id is in `value`
    RefreshMailbox,  // rewrite the expert advisor's mailbox windows
    ServerPoll,      // run the server poll, then hand its answer to AfterServerPoll
    RebuildHtmlPane,
    PassToFramework,  // not a timer of the panel: default handling
};

struct TimerAction {
    TimerActionKind kind;
    int32_t value = 0;  // the fetch kind, or the timer id; 0 for the other actions

    bool operator==(const TimerAction&) const = default;
};

using TimerActions = std::vector<TimerAction>;
