#include "sound/play_sound_file_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include "framework/win_app.h"
#include "framework/wnd.h"
#include "sound/sound_playback.h"
#include "sound/sound_worker_win32.h"

namespace {
// The panel: the application's main window, told when a sound is over.
HWND PanelWindow() {
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

void StartMediaPlayer(const SoundPlayback& playback, MediaWorkers& workers) {
    SoundRequest request;
    request.path = playback.path;
    request.delayMilliseconds = playback.delayMilliseconds;
    request.identity = workers.threads.ReserveIdentity();
    request.panel = PanelWindow();
    request.aliasCounter = &workers.aliasCounter;
    workers.threads.Add(request.identity, StartSoundWorker(request));
}
}  // namespace

void PlaySoundFile(const SoundCue& cue, SoundMode mode, MediaWorkers& workers) {
    SoundPlayback playback = PlanSoundPlayback(cue, mode);
    if (playback.player == SoundMode::SimplePlayer) {
        PlaySoundA(playback.path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
        return;
    }
    StartMediaPlayer(playback, workers);
}
