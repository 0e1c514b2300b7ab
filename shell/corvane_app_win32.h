// CCorvaneApp: the application. Everything happens in InitInstance: the core starts, the terms
// are accepted, the first-run dialog is offered, and the panel runs as a modal dialog. When the
// panel closes InitInstance returns false, so ExitInstance follows at once.
#pragma once

#include <memory>

#include "framework/gdi_handles.h"
#include "framework/win_app.h"

// GDI+ started for the lifetime of the object (when it can be).
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

class CCorvaneApp : public CWinApp {
public:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void StartPlatform();
    // True when the stored acceptance is current or the user accepts the terms now.
    bool PassTermsGate();

    // The platform objects every window of the program draws with, from StartPlatform to
    // ExitInstance: GDI+ and the hand cursor the views show.
    std::unique_ptr<GdiplusSession> gdiplus_;
    OwnedCursor handCursor_;
};
