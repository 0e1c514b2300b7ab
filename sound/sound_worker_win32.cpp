#include "sound/sound_worker_win32.h"

#include <windows.h>
#include <mmsystem.h>
#include <process.h>

#include <memory>

#include "framework/private_messages.h"
#include "sound/media_playback.h"
#include "sound/play_sound_file_win32.h"

namespace {
class MciStringChannel : public MciChannel {
public:
    void Send(const std::string& command) override {
        mciSendStringA(command.c_str(), nullptr, 0, nullptr);
    }
};

void CloseThreadHandle(void* handle) { CloseHandle(static_cast<HANDLE>(handle)); }

unsigned __stdcall SoundWorker(void* argument) {
    SoundRequest request = std::move(*static_cast<SoundRequest*>(argument));
    delete static_cast<SoundRequest*>(argument);
    MciStringChannel mci;
    PlayThroughMediaPlayer(request.path, request.delayMilliseconds, *request.aliasCounter, mci);
    PostMessageA(static_cast<HWND>(request.panel), UM_SOUND_FINISHED, request.identity, 0);
    return 0;
}
}  // namespace

SoundThreadHandle StartSoundWorker(const SoundRequest& request) {
    auto owned = std::make_unique<SoundRequest>(request);
    uintptr_t thread = _beginthreadex(nullptr, 0, SoundWorker, owned.get(), 0, nullptr);
    if (thread == 0) return SoundThreadHandle(nullptr, CloseThreadHandle);
    owned.release();  // the worker frees it
    return SoundThreadHandle(reinterpret_cast<void*>(thread), CloseThreadHandle);
}
