#include "metatrader/signal_copy_hand_over.h"

#include "base/os.h"
#include "metatrader/signal_copy_ea.h"
#include "metatrader/signal_copy_writer.h"

void SignalCopyHandOver::Write(int32_t signalCopyReady, const TerminalFolderEntry& signalCopyFolder,
                               const SignalMap& signals) {
    retriesLeft_ = 0;
    if (SignalCopyWriter(signalCopyReady, signalCopyFolder, signals)) return;
    // Nothing to write to: no retry either.
    if (signalCopyReady != QZGI_CORRECT || QzgiPathsFor(signalCopyFolder).copyFile.empty()) return;
    retriesLeft_ = RETRIES;
    Os().Trace("signal copy: the hand-over file is held open; trying again every second");
}

void SignalCopyHandOver::RetryPending(int32_t signalCopyReady,
                                      const TerminalFolderEntry& signalCopyFolder,
                                      const SignalMap& signals) {
    if (!Pending()) return;
    if (SignalCopyWriter(signalCopyReady, signalCopyFolder, signals)) {
        retriesLeft_ = 0;
        return;
    }
    if (--retriesLeft_ == 0) Os().Trace("signal copy: gave up writing the hand-over file");
}
