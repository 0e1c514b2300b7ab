// The program's entry point: everything else happens in the application object (a static
// object of a class derived from CWinApp, see framework/win_app.h).
//
// Minimal entry point; the lead developer replaces it together with the application class.
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    return AfxWinMain(instance, commandLine, showCommand);
}
