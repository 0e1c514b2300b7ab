// One sound through the Media Control Interface, as a sound worker plays it: wait the delay, open
// the file under a fresh device alias, play it, let it play for 20 seconds, then stop and close
// the device. The worker thread and the system call are the Windows shell's; the sequence and its
// command strings are here.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// Where MCI command strings go (mciSendStringA on Windows). Results are not examined: a file
// that cannot be opened simply stays silent.
class MciChannel {
public:
    virtual ~MciChannel() = default;
    virtual void Send(const std::string& command) = 0;
};

// Plays path (already resolved) after delayMilliseconds. Takes the next alias number from
// aliasCounter (shared by all workers, so each playing sound has its own device "QZMedia%08X").
// The waits go through the OS seam; the call blocks for the delay plus about 22 seconds.
void PlayThroughMediaPlayer(const std::string& path, int delayMilliseconds,
                            std::atomic<uint32_t>& aliasCounter, MciChannel& mci);
