// One thing the panel window does after a decision. Page operations, menu commands, tray
// events, finished downloads and timer ticks decide in portable code and return a list of
// these; the window performs them in the order given, in one place.
#pragma once

#include <cstdint>
#include <vector>

#include "app/new_item_notices.h"
#include "sound/sound_cue.h"

enum class PanelEffectKind {
    TogglePanel,  // show the panel when it is hidden, hide it when shown
    OpenPage,     // show a hidden panel, then the page in `value` (2 news, 3 notices) or none
    ShowPage,     // run the page operation of the page in `value`: 2 news, 3 notices, 4 signals
    // Apply the page's layout: show and hide the views and their children, move the indicator
    // view and the list, show the fold buttons and the chosen tab, give the window the size and
    // outline of the page's art; then repaint everything at once.
    LayOutPanel,
    RefillIndicatorList,  // fill the list for m_calendarDate and take its selection
    // Refill the list (without one, only drop the selection) and repaint the panel: what
    // follows every change of the stored indicators.
    RefreshIndicatorPage,
    RedrawIndexView,
    RedrawPanel,  // repaint the whole panel
    // After the repaint (the news sheet knows the selected item's body only once it has drawn):
    // move the HTML pane where the page wants it and rebuild its contents there.
    PlaceHtmlPane,
    ShowMenu,            // the panel menu at the pointer; the chosen command then runs
    BringDialogToFront,  // a dialog of the program is open: it comes to the front
    Quit,                // close the panel the way its own close command does
    AddTrayIcon,         // register the tray icon again; no effect while it is present
    ShowBalloon,         // show `balloon` at the tray icon
    PlaySoundCue,        // play `sound` at once
    StartFeedFetch,      // start a background fetch of the kind in `value`
    StartUpdateCheck,    // ask the server for a newer release; the user sees the answer
    ServerPoll,          // run the server poll, then hand its answer to the timer schedule
    // A server poll was taken: the timer schedule hears of it, with whether the server's update
    // counter moved (`value` 1) or not (0).
    AfterServerPoll,
    KillTimer,       // kill the timer whose id is in `value`
    RefreshMailbox,  // rewrite the expert advisor's mailbox windows
};

// With OpenPage: a balloon of no known kind names no page.
inline constexpr int32_t NO_PAGE = -1;

struct PanelEffect {
    // Any kind but PlaySoundCue and ShowBalloon, which carry more than a number.
    PanelEffect(PanelEffectKind kind, int32_t value = 0) : kind(kind), value(value) {}
    static PanelEffect Sound(const SoundCue& sound) {
        PanelEffect effect(PanelEffectKind::PlaySoundCue);
        effect.sound = sound;
        return effect;
    }
    static PanelEffect Balloon(const BalloonNotice& balloon) {
        PanelEffect effect(PanelEffectKind::ShowBalloon);
        effect.balloon = balloon;
        return effect;
    }

    PanelEffectKind kind;
    int32_t value = 0;      // the page, fetch kind, timer id or poll answer the kind names; else 0
    SoundCue sound;         // with PlaySoundCue
    BalloonNotice balloon;  // with ShowBalloon

    bool operator==(const PanelEffect&) const = default;
};

using PanelEffects = std::vector<PanelEffect>;
