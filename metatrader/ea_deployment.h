// The auto-trade expert advisor's files: where they go in a terminal folder, copying them there,
// and checking the copies against the files shipped beside the program.
#pragma once

#include <string>

#include "metatrader/terminal_folder.h"

// The three target paths in a terminal folder; all empty for an empty entry.
struct EaFileSet {
    std::string library;  // ...\libraries\qzea.dll
    std::string ea;       // ...\experts\QZEA.ex4
    std::string eaTt;     // ...\experts\QZEA_TT.ex4
};

// New layout: MQL4\libraries\qzea.dll, MQL4\experts\QZEA*.ex4 below the data folder.
// Old layout: experts\libraries\qzea.dll, experts\QZEA*.ex4.
EaFileSet EaFileSetFor(const TerminalFolderEntry& entry);

enum class EaCheckResult {
    LibraryMissing = 1,
    EaMissing = 2,
    LibraryWrong = 3,
    EaWrong = 4,
    EaTtMissing = 5,
    EaTtWrong = 6,
    AllCorrect = 999,
};

// First all three files must exist (library, EA, EA (TT)), then their digests must equal those
// of the shipped files, in the same order; the first failure is the result.
EaCheckResult CheckEaFiles(const EaFileSet& files);

// The status line shown for a result.
const char* EaCheckText(EaCheckResult result);

// Copies the shipped files into the entry's folder, replacing older copies: library, EA, EA (TT);
// a replaced file that was not the shipped one is kept as NAME.old. Does nothing for an empty
// entry; a copy that fails shows up in CheckEaFiles.
void SetupEaFiles(const TerminalFolderEntry& entry);
