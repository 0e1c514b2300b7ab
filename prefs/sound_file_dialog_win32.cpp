#include "prefs/sound_file_dialog_win32.h"

#include <commdlg.h>

std::string ChooseSoundFile(HWND owner, const std::string& filter,
                            const std::string& initialFolder) {
    char file[MAX_PATH] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    // A file that does not exist cannot be chosen: the event would play nothing.
    dialog.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
    return GetOpenFileNameA(&dialog) ? std::string(file) : std::string();
}
