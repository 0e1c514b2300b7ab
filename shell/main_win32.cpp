// The program's entry point: everything else happens in the application object theApp
// (app/corvane_app_win32.cpp).
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    return AfxWinMain(instance, commandLine, showCommand);
}
