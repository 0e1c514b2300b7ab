// The updater's entry point: everything happens in its application object
// (updater/updater_app_win32.cpp).
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    return AfxWinMain(instance, commandLine, showCommand);
}
