#include "shell/corvane_app_win32.h"

#include <windows.h>
#include <gdiplus.h>

#include "app/app_core.h"
#include "base/os.h"
#include "welcome/terms.h"
#include "net/test_timings.h"
#include "app/update_check.h"
#include "base/byte_text.h"
#include "panel/corvane_dlg_win32.h"
#include "welcome/first_dlg_win32.h"
#include "welcome/license_dlg_win32.h"
#include "resources/resource.h"
#include "views/hand_cursor_win32.h"

// The one application object.
CCorvaneApp theApp;

bool CCorvaneApp::InitInstance() {
    // The panel's browser pane is an ActiveX control inside the dialog template.
    EnableControlContainer();
    ApplyTestNetworkTimeout();
    if (!theCore.Startup(m_commandLine)) {
        PostQuitMessage(0);
        return false;
    }
    StartPlatform();
    // The silent update check starts with the panel, off this thread (CCorvaneDlg).
    if (!PassTermsGate()) return false;
    if (theCore.m_firstRun) {
        CFirstDlg first;
        first.DoModal();
    }
    CCorvaneDlg panel;
    m_pMainWnd = &panel;
    panel.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread on
    Gdiplus::Status status = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    if (status == Gdiplus::Ok) return;
    token_ = 0;
    Os().Trace(FormatText("GDI+ did not start (status %d): the panel draws no pictures or texts",
                          static_cast<int>(status)));
}

GdiplusSession::~GdiplusSession() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
}

void CCorvaneApp::StartPlatform() {
    gdiplus_ = std::make_unique<GdiplusSession>();
    handCursor_.Reset(static_cast<HCURSOR>(LoadImageA(
        m_hInstance, MAKEINTRESOURCEA(IDC_HAND_CURSOR), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
    LendHandCursor(handCursor_.Get());
}

bool CCorvaneApp::PassTermsGate() {
    if (!NeedsTermsAcceptance(theCore.m_termsAcceptedAt)) return true;
    CLicenseDlg terms;
    terms.DoModal();
    if (!terms.Agreed()) return false;
    // Reaches the settings file with the next save, at the latest when the panel closes.
    theCore.m_termsAcceptedAt = static_cast<int32_t>(Os().Now());
    return true;
}

int CCorvaneApp::ExitInstance() {
    gdiplus_.reset();
    LendHandCursor(nullptr);
    handCursor_.Reset();
    theCore.Reset();
    return CWinApp::ExitInstance();
}
