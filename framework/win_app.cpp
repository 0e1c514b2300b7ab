#include "framework/win_app.h"

#include <commctrl.h>
#include <ole2.h>

#include "framework/activex_wnd.h"

namespace {
CWinApp* g_application = nullptr;
}  // namespace

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
    ReleaseControlContainer();
    if (g_application == this) g_application = nullptr;
}

CWinApp* AfxGetApp() { return g_application; }

bool CWinApp::EnableControlContainer() {
    if (containerEnabled_) return true;
    if (!oleStarted_) {
        if (FAILED(OleInitialize(nullptr))) return false;
        oleStarted_ = true;
    }
    // The host window only holds the control; the control paints all of it.
    WNDCLASSEXA hostClass{};
    hostClass.cbSize = sizeof hostClass;
    hostClass.lpfnWndProc = DefWindowProcA;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    hostClass.lpszClassName = CONTROL_HOST_CLASS;
    if (!RegisterClassExA(&hostClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    containerEnabled_ = true;
    return true;
}

void CWinApp::ReleaseControlContainer() {
    if (oleStarted_) {
        OleUninitialize();
        oleStarted_ = false;
    }
}

int CWinApp::ExitInstance() {
    ReleaseControlContainer();
    return exitCode_;
}

int CWinApp::Run() {
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    exitCode_ = got == 0 ? static_cast<int>(message.wParam) : 1;
    return ExitInstance();
}

int AfxWinMain(HINSTANCE instance, const char* commandLine, int showCommand) {
    CWinApp* application = AfxGetApp();
    if (!application) return 1;
    application->m_hInstance = instance;
    application->m_commandLine = commandLine ? commandLine : "";
    application->m_nCmdShow = showCommand;

    // Dialog templates name common-control classes (list view, tooltips); they must be
    // registered before the first dialog is made.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    if (!application->InitInstance()) return application->ExitInstance();
    return application->Run();
}
