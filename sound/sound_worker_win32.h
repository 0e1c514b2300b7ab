// The media-player worker: one thread per sound, which plays it through MCI and then posts
// UM_SOUND_FINISHED with the request's identity to the panel.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "sound/sound_thread_table.h"

struct SoundRequest {
    std::string path;  // resolved
    int delayMilliseconds = 0;
    uint32_t identity = 0;                          // unique among the requests still playing
    void* panel = nullptr;                          // the window told when the sound is over
    std::atomic<uint32_t>* aliasCounter = nullptr;  // shared by every worker
};

// Starts the worker with its own copy of the request. Null when the thread could not be started;
// the request is then dropped.
SoundThreadHandle StartSoundWorker(const SoundRequest& request);
