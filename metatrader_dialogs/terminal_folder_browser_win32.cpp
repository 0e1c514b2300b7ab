#include "metatrader_dialogs/terminal_folder_browser_win32.h"

#include <objbase.h>
#include <shlobj.h>

#include "metatrader/folder_field.h"

std::string BrowseForTerminalFolder(HWND owner) {
    // The browser's shell objects need COM on this thread; a thread that already has it keeps
    // its own (the uninitialise below then only balances this call).
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = "MT4フォルダを選択して下さい";
    std::string chosen;
    if (PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browse)) {
        char path[MAX_PATH] = {};
        if (SHGetPathFromIDListA(item, path)) chosen = path;
        CoTaskMemFree(item);
    }
    if (comStarted) CoUninitialize();
    return AsFolderField(chosen);
}
