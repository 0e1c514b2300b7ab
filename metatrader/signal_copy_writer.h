// The hand-over file of the signal-copy expert advisor.
#pragma once

#include <cstdint>
#include <string>

#include "metatrader/signal_maps.h"
#include "metatrader/terminal_folder.h"

// Rewrites QZGCOPY.csv in the signal-copy folder from the newest 21 signal entries, oldest first,
// one per line: the entry without its first field, trailing commas removed. Entries with fewer
// than nine fields after the first are left out but still count among the 21. Only when the
// folder's QZGI.ex4 was found correct (signalCopyReady is 1): the file is never touched
// otherwise. The file is replaced in one step, so the expert advisor never reads half of it.
// False when nothing was written.
bool SignalCopyWriter(int32_t signalCopyReady, const TerminalFolderEntry& signalCopyFolder,
                      const SignalMap& signals);
