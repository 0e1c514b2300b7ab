// The probe's dialog verbs: reading and working the controls of a dialog the panel opened.
//
// Dialogs are found by their caption. List views keep their items in the panel's process, so
// their structures go through a buffer allocated in that process (probe_remote_buffer.h).
#include "tests/e2e/probe_dialogs.h"

#include "tests/e2e/probe_pointer.h"
#include "tests/e2e/probe_remote_buffer.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT SEND_TIMEOUT = 5000;

std::string Narrow(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), size, nullptr, nullptr);
    return result;
}

// One line per value: line breaks become "\n" so the test reads whole texts.
std::string Escaped(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += "\\n";
        else if (c != '\r')
            result += c;
    }
    return result;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, SEND_TIMEOUT, &answer);
    return static_cast<LRESULT>(answer);
}

std::string TextOf(HWND window) {
    std::vector<char> text(4096);
    LRESULT length = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

constexpr size_t TEXT_OFFSET = 512;
constexpr size_t TEXT_SIZE = 1024;

std::string ListViewText(HWND list, int row, int column) {
    RemoteBuffer buffer(list, TEXT_OFFSET + TEXT_SIZE);
    if (!buffer.Valid()) return "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.At(TEXT_OFFSET);
    item.cchTextMax = TEXT_SIZE;
    buffer.Write(0, &item, sizeof item);
    Send(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(buffer.At(0)));
    std::vector<char> text(TEXT_SIZE + 1, '\0');
    buffer.Read(TEXT_OFFSET, text.data(), TEXT_SIZE);
    return text.data();
}

void SetListViewState(HWND list, int row, UINT state, UINT mask) {
    RemoteBuffer buffer(list, sizeof(LVITEMA));
    if (!buffer.Valid()) return;
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    buffer.Write(0, &item, sizeof item);
    Send(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(buffer.At(0)));
}

// The cell's rectangle in the list's client coordinates.
RECT CellRect(HWND list, int row, int column) {
    RECT rect{};
    RemoteBuffer buffer(list, sizeof rect);
    if (!buffer.Valid()) return rect;
    rect.top = column;
    rect.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    buffer.Write(0, &rect, sizeof rect);
    Send(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(buffer.At(0)));
    buffer.Read(0, &rect, sizeof rect);
    return rect;
}

void PrintListView(HWND list, int id) {
    int rows = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
    HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER, 0, 0));
    int columns = header ? static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    std::printf("lv.%d.count=%d\n", id, rows);
    for (int row = 0; row < rows; ++row) {
        UINT state = static_cast<UINT>(
            Send(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK | LVIS_SELECTED));
        std::printf("lv.%d.row=%d|%d|%d", id, row,
                    ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0,
                    (state & LVIS_SELECTED) ? 1 : 0);
        for (int column = 0; column < columns; ++column)
            std::printf("|%s", Escaped(ListViewText(list, row, column)).c_str());
        std::printf("\n");
    }
}

void PrintListBox(HWND list, int id) {
    int count = static_cast<int>(Send(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        // The wide call: Wine answers the narrow one from another process in UTF-16.
        std::vector<wchar_t> text(static_cast<size_t>(Send(list, LB_GETTEXTLEN, index, 0)) + 2,
                                  L'\0');
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()),
                            SMTO_NORMAL, SEND_TIMEOUT, &ignored);
        std::printf("lb.%d.item=%s\n", id, Narrow(text.data()).c_str());
    }
    std::printf("lb.%d.sel=%d\n", id, static_cast<int>(Send(list, LB_GETCURSEL, 0, 0)));
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
    int id = GetDlgCtrlID(control);
    std::string kind = ClassOf(control);
    int checked = kind == "Button" && Send(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    std::printf("control=%d|%s|%d|%d|%d|%s\n", id, kind.c_str(), IsWindowVisible(control) ? 1 : 0,
                IsWindowEnabled(control) ? 1 : 0, checked, Escaped(TextOf(control)).c_str());
    if (kind == "SysListView32") PrintListView(control, id);
    if (kind == "ListBox") PrintListBox(control, id);
    // Whether "&" in the text is drawn as itself rather than underlining the next character.
    if (kind == "Static")
        std::printf("static.%d.noprefix=%d\n", id,
                    (GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX) != 0 ? 1 : 0);
    if (kind == "ComboBox")
        std::printf("cb.%d.sel=%d\n", id, static_cast<int>(Send(control, CB_GETCURSEL, 0, 0)));
    return TRUE;
}

struct DialogSearch {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    if (IsWindowVisible(window) && wcscmp(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(const wchar_t* title) {
    DialogSearch search{title, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void DoubleClickCell(HWND list, int row, int column) {
    SetListViewState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    RECT cell = CellRect(list, row, column);
    POINT point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    POINT screen = point;
    ClientToScreen(list, &screen);
    MovePointer(list, screen);
    LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

int RunVerb(const std::wstring& verb, HWND dialog, const std::vector<std::wstring>& args) {
    auto number = [&](size_t index) {
        return index < args.size() ? _wtoi(args[index].c_str()) : 0;
    };
    HWND control = args.empty() ? nullptr : GetDlgItem(dialog, number(0));
    if (verb == L"dialog") {
        EnumChildWindows(dialog, PrintControl, 0);
        return 0;
    }
    if (verb == L"press") {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(number(0), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (verb == L"dlgkey" && args.size() > 1) {
        // A key as the keyboard gives it: into the dialog's message loop, addressed to the
        // control (0: the dialog itself), so the dialog manager decides what it means.
        HWND target = number(0) ? control : dialog;
        if (!target) return 1;
        PostMessageA(target, WM_KEYDOWN, number(1), 1);
        PostMessageA(target, WM_KEYUP, number(1), 0xC0000001);
        return 0;
    }
    if (!control) return 1;
    if (verb == L"settext" && args.size() > 1) {
        std::string text = Narrow(args[1].c_str());
        Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (verb == L"check" && args.size() > 1) {
        Send(control, BM_SETCHECK, number(1) ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (verb == L"lvcheck" && args.size() > 2) {
        SetListViewState(control, number(1), INDEXTOSTATEIMAGEMASK(number(2) ? 2 : 1),
                         LVIS_STATEIMAGEMASK);
    } else if (verb == L"lvdblclick" && args.size() > 2) {
        DoubleClickCell(control, number(1), number(2));
    } else if (verb == L"lbselect" && args.size() > 1) {
        Send(control, LB_SETCURSEL, number(1), 0);
    } else if (verb == L"cbselect" && args.size() > 1) {
        Send(control, CB_SETCURSEL, number(1), 0);
    } else {
        return 2;
    }
    return 0;
}

}  // namespace

int RunDialogVerb() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return -1;
    std::vector<std::wstring> words(argv + 1, argv + count);
    LocalFree(argv);
    static const wchar_t* const VERBS[] = {L"dialog",   L"press",    L"settext",
                                           L"check",    L"lvcheck",  L"lvdblclick",
                                           L"lbselect", L"cbselect", L"dlgkey"};
    bool known = false;
    for (const wchar_t* verb : VERBS) known = known || (!words.empty() && words[0] == verb);
    if (!known) return -1;
    if (words.size() < 2) return 2;
    HWND dialog = FindDialog(words[1].c_str());
    if (words[0] == L"dialog") std::printf("dialog.found=%d\n", dialog ? 1 : 0);
    if (!dialog) return 1;
    return RunVerb(words[0], dialog, std::vector<std::wstring>(words.begin() + 2, words.end()));
}
