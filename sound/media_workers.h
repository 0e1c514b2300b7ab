// What the media player's workers share with the user-interface thread: the counter that numbers
// their devices, which the workers advance atomically, and the table of the workers still
// playing, which only the user-interface thread touches. The application core owns the one
// instance of a run.
#pragma once

#include <atomic>
#include <cstdint>

#include "sound/sound_thread_table.h"

struct MediaWorkers {
    std::atomic<uint32_t> aliasCounter{0};  // numbers media aliases; never reset
    SoundThreadTable threads;               // a worker's handle is released when it reports its end
};
