// The program's entry point: everything else happens in the application object theApp
// (shell/corvane_app_win32.cpp). Before it starts, the trace file is switched on or off and the
// crash dump writer installed, so both serve the whole run.
#include <windows.h>

#include "base/trace_file_switch.h"
#include "framework/crash_dump.h"
#include "framework/test_crash.h"
#include "framework/win_app.h"
#include "store/local_files.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    StartTraceFile(TraceMarkerPath(), TraceFilePath());
    InstallCrashDumpWriter(SystemFolderPath(), "Pelimor");
#ifdef PELIMOR_TEST_CRASH
    CrashWhenTestAsks();
#endif
    return AfxWinMain(instance, commandLine, showCommand);
}
