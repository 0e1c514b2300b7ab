// The signal-copy expert advisor QZGI.ex4: where it and its hand-over file live in a terminal
// folder, copying it there and checking the copy.
#pragma once

#include <cstdint>
#include <string>

#include "metatrader/terminal_folder.h"

// Both empty for an empty entry.
struct QzgiPaths {
    std::string ea;        // ...\experts\QZGI.ex4
    std::string copyFile;  // ...\Files\QZGCOPY.csv
};

// Below MQL4 in the new layout, directly below the data folder in the old one.
QzgiPaths QzgiPathsFor(const TerminalFolderEntry& entry);

// Results of CheckQzgi; the core keeps the last one as its signal-copy readiness.
enum QzgiCheckResult : int32_t {
    QZGI_MISSING = -1,
    QZGI_WRONG = -2,
    QZGI_CORRECT = 1,
};

// Whether the entry's folder holds the shipped QZGI.ex4.
QzgiCheckResult CheckQzgi(const TerminalFolderEntry& entry);

// The status line shown for a result.
const char* QzgiCheckText(int32_t result);

// Copies the shipped QZGI.ex4 into the entry's folder, replacing an older copy; a replaced file
// that was not the shipped one is kept as QZGI.ex4.old.
void SetupQzgi(const TerminalFolderEntry& entry);
