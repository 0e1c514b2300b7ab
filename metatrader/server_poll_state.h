// What the server poll keeps between polls: the server's last update counter and the maps that
// the signal page and the signal-copy file are built from. Not saved; empty at start.
#pragma once

#include <cstdint>
#include <map>

#include "metatrader/signal_copy_hand_over.h"
#include "metatrader/signal_maps.h"

struct ServerPollState {
    int32_t lastCounter = 0;
    TraderNameMap traderNames;
    MessageMap messages;
    SignalMap signals;
    // The server's id (field 0 of its line) of every signal entry, under the entry's key and in
    // the same order. An entry text no longer holds that id, and without it a signal the server
    // lists again would be stored, shown and copied to the terminal a second time.
    std::multimap<int32_t, int32_t> signalIds;
    // The signal-copy file written from `signals`, with its pending retry.
    SignalCopyHandOver copyFile;
};
