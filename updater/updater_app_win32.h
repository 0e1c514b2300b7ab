// CUpdaterApp: system\pelimorupdater.exe, started by the panel with "S<time of the last
// update>" after the user accepted an offered release, or without a parameter for the forced
// update. Either way it installs the release the server offers, then starts the panel again:
// with "byupdater" after an update, plainly after a failure (which it explains in one message).
#pragma once

#include "framework/win_app.h"

class CUpdaterApp : public CWinApp {
public:
    bool InitInstance() override;
};
