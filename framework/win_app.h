// CWinApp: the application object. The program defines exactly one (a static object of a
// class derived from CWinApp); WinMain hands control to it through AfxWinMain.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns true to enter the message loop (Run), false to end at once. Either way
    // ExitInstance follows.
    virtual bool InitInstance() { return false; }
    // Releases what the application set up; the value is the process's exit code.
    virtual int ExitInstance();
    // The message loop, until WM_QUIT.
    virtual int Run();

    // Lets dialog templates contain ActiveX controls (window class CONTROL_HOST_CLASS, the
    // window text naming the control, see framework/activex_wnd.h): starts OLE on this thread
    // and registers the host window class. False when either is impossible; such controls are
    // then simply not created.
    bool EnableControlContainer();
    bool ControlContainerEnabled() const { return containerEnabled_; }

    HINSTANCE m_hInstance = nullptr;
    // What follows the program path on the command line, as WinMain received it.
    std::string m_commandLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;

private:
    void ReleaseControlContainer();

    bool containerEnabled_ = false;
    bool oleStarted_ = false;
    int exitCode_ = 0;
};

// The application object, or nullptr when the program defines none.
CWinApp* AfxGetApp();

// Runs the application: InitInstance, the message loop if InitInstance asked for it, then
// ExitInstance. Returns the exit code; 1 when there is no application object.
int AfxWinMain(HINSTANCE instance, const char* commandLine, int showCommand);
