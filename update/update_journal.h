// Swapping a release's files into the program folder through a journal, so that a process killed
// at any moment leaves either the old program or the new one complete.
//
// The files to install wait in system\update.new\. Before the first move the journal
// system\update.journal (written whole, through a temporary file) lists every file and whether it
// replaces an installed one; then each installed file is copied to system\update.old\ and the
// new one moved over it in one step (a running program, which cannot be replaced, is moved aside
// first), so the program folder never lacks a file. When all are in place the journal is rewritten
// as committed, and only then are the old files deleted. Whoever starts next, the updater or the
// panel, runs RecoverUnfinishedSwap first: a committed journal is finished (old files deleted), any
// other is rolled back (new files back to update.new, old files back into place). Every step goes
// through the OS seam, one file operation at a time.
#pragma once

#include <string>
#include <vector>

// Moves the staged files (manifest paths) into the program folder. False, with the reason for
// the log, when a move failed; the old program is then back in place (or, if even that failed,
// the journal stays for the next start to finish the roll-back).
bool SwapInStagedFiles(const std::string& programFolder, const std::vector<std::string>& paths,
                       std::string& reason);

enum class RecoveryResult { NothingToDo, Finished, RolledBack, Failed };

// Ends a swap that a killed process left behind, and removes old files that a finished one could
// not delete (the updater's own running program). Failed when the journal is unreadable or a
// roll-back move failed; the journal then stays so that the next start tries again.
RecoveryResult RecoverUnfinishedSwap(const std::string& programFolder);
