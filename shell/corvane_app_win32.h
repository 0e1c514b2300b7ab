// CCorvaneApp: the application. Everything happens in InitInstance: the core starts, the terms
// are accepted, the first-run dialog is offered, and the panel runs as a modal dialog. When the
// panel closes InitInstance returns false, so ExitInstance follows at once.
#pragma once

#include "framework/win_app.h"

class CCorvaneApp : public CWinApp {
public:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void StartPlatform();
    // True when the stored acceptance is current or the user accepts the terms now.
    bool PassTermsGate();
};
