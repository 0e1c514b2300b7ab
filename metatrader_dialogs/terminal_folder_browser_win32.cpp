#include "metatrader_dialogs/terminal_folder_browser_win32.h"

#include "framework/folder_browser.h"
#include "metatrader/folder_field.h"

std::string BrowseForTerminalFolder(HWND owner) {
    return AsFolderField(BrowseForFolder(owner, "MT4フォルダを選択して下さい"));
}
