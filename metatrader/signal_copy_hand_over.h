// Keeps the signal-copy expert advisor's hand-over file up to date with the signals. The file is
// replaced in one step, which fails while the expert advisor has it open to read it; such a write
// is tried again at the next one-second ticks, a bounded number of times, so that the expert
// advisor does not miss the signal until the next one arrives.
#pragma once

#include <cstdint>

#include "metatrader/signal_maps.h"
#include "metatrader/terminal_folder.h"

class SignalCopyHandOver {
public:
    // How many one-second ticks a failed write is tried again at.
    static constexpr int RETRIES = 10;

    // Rewrites the file from the signals (SignalCopyWriter). A write that fails while the copy
    // expert advisor is ready stays pending; a new write replaces a pending one.
    void Write(int32_t signalCopyReady, const TerminalFolderEntry& signalCopyFolder,
               const SignalMap& signals);
    // At a one-second tick: a pending write is tried again, from the signals as they are now.
    void RetryPending(int32_t signalCopyReady, const TerminalFolderEntry& signalCopyFolder,
                      const SignalMap& signals);
    bool Pending() const { return retriesLeft_ > 0; }

private:
    int retriesLeft_ = 0;
};
