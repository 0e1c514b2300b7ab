#include "framework/open_dialog.h"

#include <cstring>

namespace {

// The window class of every dialog made from a template, message boxes included.
constexpr char DIALOG_CLASS[] = "#32770";

struct OpenDialogSearch {
    HWND except;
    HWND found;
};

BOOL CALLBACK TakeOpenDialog(HWND window, LPARAM search) {
    auto* state = reinterpret_cast<OpenDialogSearch*>(search);
    char className[sizeof DIALOG_CLASS + 1] = {};
    GetClassNameA(window, className, sizeof className);
    if (window == state->except || std::strcmp(className, DIALOG_CLASS) != 0 ||
        !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    state->found = window;
    return FALSE;
}

}  // namespace

HWND FindOpenDialog(HWND except) {
    OpenDialogSearch search{except, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), TakeOpenDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
