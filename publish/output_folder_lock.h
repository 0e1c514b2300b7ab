// One run at a time per output folder: two runs started together (a cron job without a lock of
// its own) would read the same state file and put their files over each other's.
#pragma once

#include <string>

// The lock file in the output folder; a run holds it locked (flock) from before it reads the
// folder's state until its files are in place.
inline constexpr const char* OUTPUT_LOCK_FILE = "pelimor-publish.lock";

class OutputFolderLock {
public:
    OutputFolderLock() = default;
    ~OutputFolderLock();
    OutputFolderLock(const OutputFolderLock&) = delete;
    OutputFolderLock& operator=(const OutputFolderLock&) = delete;

    // Takes the folder's lock (making the folder where there is none), waiting up to
    // `waitSeconds` for a run that holds it, in pauses of 0.1 s taken through the OS seam.
    // False, with the reason in `error`, when it stays held or cannot be taken.
    bool Take(const std::string& folder, int waitSeconds, std::string& error);

private:
    int descriptor_ = -1;
};
