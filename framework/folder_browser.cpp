#include "framework/folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

std::string BrowseForFolder(HWND owner, const char* title) {
    // The browser's shell objects need COM on this thread; a thread that already has it keeps
    // its own (the uninitialise below then only balances this call).
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title;
    std::string chosen;
    if (PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browse)) {
        char path[MAX_PATH] = {};
        if (SHGetPathFromIDListA(item, path)) chosen = path;
        CoTaskMemFree(item);
    }
    if (comStarted) CoUninitialize();
    return chosen;
}
