// The check for a newer release of the program, and the hand-over to the updater.
//
// Both run on the user-interface thread; the version file's download is bounded by the socket
// time-outs.
#pragma once

#include "app/app_core.h"

// True when the server's "prims/version.dat" names a release newer than this one. A failed
// download, or a body that is not a number, counts as up to date.
bool CheckVersion();

// The update check with its questions: when a newer release is offered and the user accepts,
// everything is saved, the updater is started with "S" and the time of the last update
// (m_updatedAt, low 32 bits, signed decimal) and the process ends. When the program is up to
// date only a manual check says so.
void CheckForUpdate(CAppCore& core, bool manual);

// The forced update: starts the updater without asking and without parameters. The panel then
// closes the usual way, which saves everything.
void StartForcedUpdate();
