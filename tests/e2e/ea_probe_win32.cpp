// A stand-in for what an expert advisor and a user do with the running panel, for the
// end-to-end tests under Wine.
//
//   pelimor_probe panel         prints the panel's window facts and the mailbox values
//   pelimor_probe command N     sends the panel the menu command N (WM_COMMAND)
//   pelimor_probe click X Y     clicks the panel at client point (X, Y)
//   pelimor_probe key VK        presses and releases a virtual key on the panel
//   pelimor_probe char C        types character code C on the panel (a menu's mnemonic)
//   pelimor_probe menus         how many pop-up menus are open
//   pelimor_probe tooltips      the texts of the panel's tooltips, each by its button's place
//   pelimor_probe windows       lists the visible top-level windows' titles and texts (message
//                               boxes), each with whether it is topmost
//   pelimor_probe answer TEXT ID  presses button ID in the message box whose text contains TEXT
//   pelimor_probe tray          whether the shell holds the panel's notification icon
//   pelimor_probe forgettray    takes the panel's icon out of the shell, as a restarted Explorer
//                               has forgotten it, and tells the panel "TaskbarCreated"
//   pelimor_probe post M W L    posts message M with parameters W and L to the panel
//   pelimor_probe move X Y      moves the panel's top-left corner to screen point (X, Y)
//   pelimor_probe dialog TITLE ...  reads and works a dialog's controls (probe_dialogs.h);
//                               dlgkey TITLE ID VK presses a key on control ID of a dialog
//
// Output is "key=value" lines, CP932.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <commctrl.h>

#include "base/panel_window_titles.h"
#include "tests/e2e/probe_dialogs.h"
#include "tests/e2e/probe_pointer.h"
#include "tests/e2e/probe_remote_buffer.h"

namespace {

HWND FindPanel() { return FindWindowA(nullptr, PANEL_WINDOW_TITLE); }

// The EA's way in: the titled static under the panel, then three levels of single children.
void PrintMailbox(HWND panel) {
    for (int chain = 1; chain <= 3; ++chain) {
        char title[32];
        std::snprintf(title, sizeof title, MAILBOX_ROOT_TITLE_FORMAT, chain);
        HWND level = FindWindowExA(panel, nullptr, nullptr, title);
        std::printf("chain%d.found=%d\n", chain, level ? 1 : 0);
        for (int depth = 1; depth <= 3 && level; ++depth) {
            level = GetWindow(level, GW_CHILD);
            if (!level) break;
            long value = static_cast<long>(GetWindowLongPtrA(level, GWLP_USERDATA));
            std::printf("chain%d.level%d=%ld\n", chain, depth, value);
        }
    }
}

int PrintPanel() {
    HWND panel = FindPanel();
    std::printf("panel.found=%d\n", panel ? 1 : 0);
    if (!panel) return 1;
    RECT rect{};
    GetWindowRect(panel, &rect);
    LONG_PTR exStyle = GetWindowLongPtrA(panel, GWL_EXSTYLE);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int regionType = GetWindowRgn(panel, region);
    DeleteObject(region);
    std::printf("panel.visible=%d\n", IsWindowVisible(panel) ? 1 : 0);
    std::printf("panel.left=%ld\npanel.top=%ld\n", rect.left, rect.top);
    std::printf("panel.width=%ld\npanel.height=%ld\n", rect.right - rect.left,
                rect.bottom - rect.top);
    std::printf("panel.topmost=%d\n", (exStyle & WS_EX_TOPMOST) ? 1 : 0);
    std::printf("panel.toolwindow=%d\n", (exStyle & WS_EX_TOOLWINDOW) ? 1 : 0);
    std::printf("panel.region=%d\n",
                regionType == COMPLEXREGION || regionType == SIMPLEREGION ? 1 : 0);
    HWND list = GetDlgItem(panel, 1002);
    if (list) {
        RECT listRect{};
        GetWindowRect(list, &listRect);
        std::printf("list.y=%ld\n", listRect.top - rect.top);
        std::printf("list.count=%ld\n", static_cast<long>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    }
    std::printf("codepage=%u\n", GetACP());
    PrintMailbox(panel);
    return 0;
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    char title[512] = {};
    char text[1024] = {};
    GetWindowTextA(window, title, sizeof title);
    HWND label = FindWindowExA(window, nullptr, "Static", nullptr);
    while (label && GetWindowTextA(label, text, sizeof text) == 0)
        label = FindWindowExA(window, label, "Static", nullptr);
    std::printf("window=%s|%s\n", title, text);
    const bool topmost = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    std::printf("window.topmost=%d\n", topmost ? 1 : 0);
    return TRUE;
}

struct Answer {
    const char* text;
    int button;
    bool done;
};

BOOL CALLBACK AnswerBox(HWND window, LPARAM parameter) {
    auto* answer = reinterpret_cast<Answer*>(parameter);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[1024] = {};
        GetWindowTextA(child, text, sizeof text);
        if (std::strstr(text, answer->text)) {
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer->button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, answer->button)));
            answer->done = true;
            return FALSE;
        }
    }
    return TRUE;
}

// A click as the mouse makes it: the pointer moves there (views read the pointer's position),
// and the window under it, a button or the panel itself, gets the button messages.
void ClickPanel(HWND panel, POINT point) {
    POINT screen = point;
    ClientToScreen(panel, &screen);
    MovePointer(panel, screen);
    HWND target = ChildWindowFromPointEx(panel, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (!target) target = panel;
    POINT local = screen;
    ScreenToClient(target, &local);
    LPARAM at = MAKELPARAM(local.x, local.y);
    SendMessageA(target, WM_MOUSEMOVE, 0, at);
    SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(target, WM_LBUTTONUP, 0, at);
}

BOOL CALLBACK CountMenu(HWND window, LPARAM count) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && std::strcmp(className, "#32768") == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct ToolTipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindToolTip(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ToolTipSearch*>(parameter);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, TOOLTIPS_CLASSA) != 0 ||
        GetWindow(window, GW_OWNER) != search->owner)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The tooltip keeps its tools in the panel's process: each tool is read into a buffer there.
void PrintToolTips(HWND panel) {
    ToolTipSearch search{panel, nullptr};
    EnumWindows(FindToolTip, reinterpret_cast<LPARAM>(&search));
    std::printf("tooltip.found=%d\n", search.found ? 1 : 0);
    if (!search.found) return;
    constexpr size_t TEXT_OFFSET = 256;
    constexpr size_t TEXT_CHARS = 1024;
    RemoteBuffer buffer(search.found, TEXT_OFFSET + TEXT_CHARS * sizeof(wchar_t));
    if (!buffer.Valid()) return;
    auto count = static_cast<int>(SendMessageW(search.found, TTM_GETTOOLCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.lpszText = reinterpret_cast<wchar_t*>(buffer.At(TEXT_OFFSET));
        wchar_t text[TEXT_CHARS] = {};
        buffer.Write(TEXT_OFFSET, text, sizeof text);
        buffer.Write(0, &tool, sizeof tool);
        if (!SendMessageW(search.found, TTM_ENUMTOOLSW, index,
                          reinterpret_cast<LPARAM>(buffer.At(0))))
            continue;
        buffer.Read(0, &tool, sizeof tool);
        buffer.Read(TEXT_OFFSET, text, sizeof text - sizeof(wchar_t));
        char narrow[2 * TEXT_CHARS] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        // The panel's buttons carry no control number: each is named by its place on the panel.
        POINT place{-1, -1};
        if (tool.uFlags & TTF_IDISHWND) {
            RECT rect{};
            GetWindowRect(reinterpret_cast<HWND>(tool.uId), &rect);
            place = POINT{rect.left, rect.top};
            ScreenToClient(panel, &place);
        }
        std::printf("tool=%ld,%ld|%s\n", place.x, place.y, narrow);
    }
}

// Holds the file open the way a reader that lets others read and write it does, but not replace
// it (the signal-copy expert advisor reading its hand-over file), while the flag file exists and
// for two minutes at most.
int HoldFile(const char* path, const char* flag) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::printf("held=%d\n", file != INVALID_HANDLE_VALUE ? 1 : 0);
    std::fflush(stdout);
    if (file == INVALID_HANDLE_VALUE) return 1;
    constexpr int STEP_MS = 100, LONGEST_MS = 120000;
    for (int waited = 0; waited < LONGEST_MS && GetFileAttributesA(flag) != INVALID_FILE_ATTRIBUTES;
         waited += STEP_MS)
        Sleep(STEP_MS);
    CloseHandle(file);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int dialogResult = RunDialogVerb();
    if (dialogResult >= 0) return dialogResult;
    std::string verb = argc > 1 ? argv[1] : "panel";
    if (verb == "panel") return PrintPanel();
    if (verb == "windows") return EnumWindows(PrintTopLevel, 0) ? 0 : 1;
    if (verb == "answer" && argc > 3) {
        Answer answer{argv[2], std::atoi(argv[3]), false};
        EnumWindows(AnswerBox, reinterpret_cast<LPARAM>(&answer));
        std::printf("answered=%d\n", answer.done ? 1 : 0);
        return answer.done ? 0 : 1;
    }
    if (verb == "hold" && argc > 3) return HoldFile(argv[2], argv[3]);
    if (verb == "menus") {
        int count = 0;
        EnumWindows(CountMenu, reinterpret_cast<LPARAM>(&count));
        std::printf("menus.open=%d\n", count);
        return 0;
    }
    HWND panel = FindPanel();
    if (!panel) return 1;
    if (verb == "tooltips") {
        PrintToolTips(panel);
        return 0;
    }
    if (verb == "char" && argc > 2) {
        PostMessageA(panel, WM_CHAR, static_cast<WPARAM>(std::atoi(argv[2])), 1);
        return 0;
    }
    if (verb == "command" && argc > 2) {
        PostMessageA(panel, WM_COMMAND, MAKEWPARAM(std::atoi(argv[2]), 0), 0);
        return 0;
    }
    if (verb == "click" && argc > 3) {
        ClickPanel(panel, POINT{std::atoi(argv[2]), std::atoi(argv[3])});
        return 0;
    }
    if (verb == "tray") {
        // Changing nothing of an icon succeeds only when the shell has it.
        NOTIFYICONDATAA icon{};
        icon.cbSize = sizeof icon;
        icon.hWnd = panel;
        icon.uID = 0;
        std::printf("tray.registered=%d\n", Shell_NotifyIconA(NIM_MODIFY, &icon) ? 1 : 0);
        return 0;
    }
    if (verb == "forgettray") {
        NOTIFYICONDATAA icon{};
        icon.cbSize = sizeof icon;
        icon.hWnd = panel;
        icon.uID = 0;
        std::printf("tray.removed=%d\n", Shell_NotifyIconA(NIM_DELETE, &icon) ? 1 : 0);
        PostMessageA(panel, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        return 0;
    }
    if (verb == "post" && argc > 4) {
        PostMessageA(panel, static_cast<UINT>(std::atoi(argv[2])),
                     static_cast<WPARAM>(std::atoll(argv[3])),
                     static_cast<LPARAM>(std::atoll(argv[4])));
        return 0;
    }
    if (verb == "move" && argc > 3) {
        SetWindowPos(panel, nullptr, std::atoi(argv[2]), std::atoi(argv[3]), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    if (verb == "key" && argc > 2) {
        WPARAM key = static_cast<WPARAM>(std::atoi(argv[2]));
        PostMessageA(panel, WM_KEYDOWN, key, 0);
        PostMessageA(panel, WM_KEYUP, key, 0);
        return 0;
    }
    return 2;
}
