// The check for a newer release of the program, and the hand-over to the updater.
//
// The version file is downloaded on a worker thread (ServerDownloads::StartUpdateCheck), so the
// panel never waits for the network; the answer comes back to the user-interface thread, which
// asks the question once no other dialog of the program is open.
#pragma once

#include <functional>

#include "app/app_core.h"
#include "net/server_downloads.h"

// True when the server's "prims/version.dat" names a release newer than this one. A failed
// download, or a body that is not a number, counts as up to date. Runs on a worker thread.
bool CheckVersion();

// The update check's questions: when a newer release is offered and the user accepts,
// leaveDesktop runs first (the process ends without closing its window, so the panel stores its
// position in the core and takes its tray icon away there), then everything is saved, the
// updater is started with "S" and the time of the last update (m_updatedAt, low 32 bits, signed
// decimal) and the process ends. When the program is up to date only a manual check says so.
void AskAboutUpdate(CAppCore& core, const UpdateCheckAnswer& answer,
                    const std::function<void()>& leaveDesktop);

// The forced update: starts the updater without asking and without parameters. The panel then
// closes the usual way, which saves everything.
void StartForcedUpdate();
