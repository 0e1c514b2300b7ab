#include "framework/win_app.h"

#include <commctrl.h>
#include <ole2.h>

namespace {
CWinApp* g_application = nullptr;

using AtlAxWinInitFunction = BOOL(WINAPI*)();
}  // namespace

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
    ReleaseControlContainer();
    if (g_application == this) g_application = nullptr;
}

CWinApp* AfxGetApp() { return g_application; }

bool CWinApp::EnableControlContainer() {
    if (atl_) return true;
    if (!oleStarted_) {
        if (FAILED(OleInitialize(nullptr))) return false;
        oleStarted_ = true;
    }
    // Only the system's copy: a DLL of that name beside the program must not be loaded.
    char systemFolder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(systemFolder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    std::string path = std::string(systemFolder, length) + "\\atl.dll";
    HMODULE atl = LoadLibraryA(path.c_str());
    if (!atl) return false;
    auto init = reinterpret_cast<AtlAxWinInitFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(atl, "AtlAxWinInit")));
    if (!init || !init()) {
        FreeLibrary(atl);
        return false;
    }
    atl_ = atl;
    return true;
}

void CWinApp::ReleaseControlContainer() {
    // OLE first: its clean-up may still call into hosting code that lives in atl.dll.
    if (oleStarted_) {
        OleUninitialize();
        oleStarted_ = false;
    }
    if (atl_) {
        FreeLibrary(atl_);
        atl_ = nullptr;
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
