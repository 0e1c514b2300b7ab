// The updater's entry point: everything happens in its application object
// (updater/updater_app_win32.cpp). Before it starts, the trace file is switched on or off (by
// the same marker as the panel's, in the program folder's setting folder one level up) and the
// crash dump writer installed; the updater's trace file and dumps go into its own folder.
#include <windows.h>

#include "base/os.h"
#include "base/program_folder_names.h"
#include "base/trace_file_switch.h"
#include "framework/crash_dump.h"
#include "framework/test_crash.h"
#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    const std::string ownFolder = Os().ProgramFolder();
    StartTraceFile(ownFolder + "..\\" + SETTING_FOLDER_NAME + "\\" + TRACE_MARKER_NAME,
                   ownFolder + "pelimorupdater-trace.txt");
    InstallCrashDumpWriter(ownFolder, "pelimorupdater");
#ifdef PELIMOR_TEST_CRASH
    CrashWhenTestAsks();
#endif
    return AfxWinMain(instance, commandLine, showCommand);
}
