// The server poll of trade signals, applied on the user-interface thread to what the poll
// worker downloaded (DownloadServerPoll).
#pragma once

#include <optional>

#include "app/app_core.h"
#include "net/server_poll_download.h"
#include "sound/sound_cue.h"

struct ServerPollOutcome {
    // The server's update counter moved: the signal page, if shown, is redrawn.
    bool changed = false;
    // The signal-arrival sound, to play at once.
    std::optional<SoundCue> sound;
};

// When the counter moved: the trader names are replaced (their ids also go to m_pairFirst, at
// most 99), new messages and new signals are added (one the server sent before is skipped) and
// each map keeps its 100 newest entries; a file that failed leaves its map as it was. The new
// counter is kept in any case. Then the newest signal rings the signal-arrival sound when it is
// less than three minutes old (or dated ahead) and that event is enabled, and the signal-copy
// file is rewritten when the terminal's copy EA is ready.
ServerPollOutcome ServerPoll(CAppCore& core, const ServerPollDownload& download);

// At every one-second tick: a signal-copy file that could not be replaced (the expert advisor
// was reading it) is written again, a bounded number of times.
void RetrySignalCopy(CAppCore& core);
