#include "app/corvane_app_win32.h"

#include <windows.h>
#include <gdiplus.h>

#include "app/app_core.h"
#include "app/os.h"
#include "app/terms.h"
#include "app/test_timings.h"
#include "panel/corvane_dlg_win32.h"
#include "prefs/first_dlg_win32.h"
#include "prefs/license_dlg_win32.h"
#include "resources/resource.h"

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

void CCorvaneApp::StartPlatform() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread on
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok)
        theCore.m_gdiplusToken = token;
    theCore.m_handCursor = LoadImageA(m_hInstance, MAKEINTRESOURCEA(IDC_HAND_CURSOR), IMAGE_CURSOR,
                                      0, 0, LR_DEFAULTSIZE);
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
    if (theCore.m_gdiplusToken) Gdiplus::GdiplusShutdown(theCore.m_gdiplusToken);
    theCore.m_gdiplusToken = 0;
    if (theCore.m_handCursor) DestroyCursor(static_cast<HCURSOR>(theCore.m_handCursor));
    theCore.m_handCursor = nullptr;
    theCore.Reset();
    return CWinApp::ExitInstance();
}
