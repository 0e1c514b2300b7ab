#include "sound/play_sound_file.h"

#include <windows.h>
#include <mmsystem.h>

#include "app/app_core.h"
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

SoundMode CurrentSoundMode() {
    return theCore.m_avoidSoundErrors != 0 ? SoundMode::SimplePlayer : SoundMode::MediaPlayer;
}

void StartMediaPlayer(const SoundPlayback& playback) {
    SoundRequest request;
    request.path = playback.path;
    request.delayMilliseconds = playback.delayMilliseconds;
    request.identity = theCore.m_soundThreads.ReserveIdentity();
    request.panel = PanelWindow();
    request.aliasCounter = &theCore.m_mediaAliasCounter;
    theCore.m_soundThreads.Add(request.identity, StartSoundWorker(request));
}
}  // namespace

void PlaySoundFile(const std::string& path, int delayMilliseconds) {
    SoundPlayback playback = PlanSoundPlayback(SoundCue{path, delayMilliseconds}, CurrentSoundMode());
    if (playback.player == SoundMode::SimplePlayer) {
        PlaySoundA(playback.path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
        return;
    }
    StartMediaPlayer(playback);
}

void OnSoundFinished(uint32_t identity) { theCore.m_soundThreads.Finish(identity); }
