#include "framework/wnd.h"

#include <vector>

#include "base/byte_text.h"
#include "base/os.h"

namespace {

// The window property that names a window's object. A property rather than GWLP_USERDATA,
// which stays free for the windows' own use.
const char OBJECT_PROPERTY[] = "PelimorWndObject";

// The object of a window of the framework's class that CreateEx is creating on this thread; the
// window's first message binds them (messages arrive before CreateWindowExA returns).
thread_local CWnd* t_windowBeingCreated = nullptr;

}  // namespace

CWnd::~CWnd() {
    if (!m_hWnd) return;
    if (ownsWindow_) {
        // The derived parts of this object are gone: the window's last messages must not reach it.
        HWND hwnd = m_hWnd;
        Unbind();
        ::DestroyWindow(hwnd);
    } else if (subclassed_) {
        UnsubclassWindow();
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return static_cast<CWnd*>(GetPropA(hwnd, OBJECT_PROPERTY));
}

const char* CWnd::DefaultClassName() {
    static const char* name = [] {
        static const char className[] = "PelimorWnd";
        WNDCLASSA windowClass{};
        // No CS_DBLCLKS: two quick clicks on a button are two clicks, not a click and a
        // double click the button would never see.
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = StandardWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        RegisterClassA(&windowClass);
        return className;
    }();
    return name;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
    if (m_hWnd) return false;
    bool ownClass = className == nullptr;
    HWND parentHandle = parent ? parent->m_hWnd : nullptr;
    HMENU menuOrId =
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    if (ownClass) t_windowBeingCreated = this;
    HWND hwnd =
        CreateWindowExA(exStyle, ownClass ? DefaultClassName() : className, windowName, style,
                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        parentHandle, menuOrId, GetModuleHandleA(nullptr), nullptr);
    t_windowBeingCreated = nullptr;
    if (!hwnd) {
        Os().Trace(FormatText("cannot create a window of class %s (error %lu)",
                              ownClass ? "of the framework" : className, GetLastError()));
        if (m_hWnd) Unbind();
        return false;
    }
    if (!ownClass && !SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    ownsWindow_ = true;
    return true;
}

bool CWnd::DestroyWindow() {
    if (!m_hWnd) return false;
    if (!ownsWindow_ && !subclassed_) {
        // An attached handle: destroy it and forget it (no WM_NCDESTROY reaches this object).
        HWND hwnd = Detach();
        return ::DestroyWindow(hwnd) != 0;
    }
    return ::DestroyWindow(m_hWnd) != 0;
}

bool CWnd::Bind(HWND hwnd) {
    if (!hwnd || m_hWnd || FromHandle(hwnd)) return false;
    if (!SetPropA(hwnd, OBJECT_PROPERTY, this)) return false;
    m_hWnd = hwnd;
    return true;
}

void CWnd::Unbind() {
    if (!m_hWnd) return;
    if (subclassed_ && IsWindow(m_hWnd)) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    }
    RemovePropA(m_hWnd, OBJECT_PROPERTY);
    m_hWnd = nullptr;
    previousProc_ = nullptr;
    subclassed_ = false;
    ownsWindow_ = false;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!Bind(hwnd)) return false;
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StandardWindowProc)));
    if (!previousProc_) {
        Unbind();
        return false;
    }
    subclassed_ = true;
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return false;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = m_hWnd;
    Unbind();
    return hwnd;
}

bool CWnd::Attach(HWND hwnd) {
    if (!hwnd || m_hWnd) return false;
    m_hWnd = hwnd;
    return true;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (subclassed_ || ownsWindow_) {
        Unbind();
    } else {
        m_hWnd = nullptr;
    }
    return hwnd;
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandle(hwnd);
    if (!wnd && t_windowBeingCreated) {
        wnd = t_windowBeingCreated;
        t_windowBeingCreated = nullptr;
        if (!wnd->Bind(hwnd)) wnd = nullptr;
    }
    if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);

    CurrentMessage outer = wnd->current_;
    wnd->current_ = {message, wParam, lParam};
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->current_ = outer;
    if (message == WM_NCDESTROY && wnd->m_hWnd == hwnd) {
        wnd->Unbind();
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, result)) return result;
    if (OnMessage(message, wParam, lParam, result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    CWnd* child = nullptr;
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU) child = FromHandle(item->hwndItem);
    } else if (message == WM_MEASUREITEM) {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU) {
            child = FromHandle(::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)));
        }
    }
    return child && child->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previousProc_) return ::CallWindowProcA(previousProc_, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(current_.message, current_.wParam, current_.lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam) != 0;
}

bool CWnd::ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command) != 0; }

bool CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != 0; }

bool CWnd::MoveWindow(int x, int y, int width, int height, bool repaint) const {
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint) != 0;
}

bool CWnd::MoveWindow(const RECT& rect, bool repaint) const {
    return MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, width, height, flags) != 0;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::ClientToScreen(POINT& point) const { ::ClientToScreen(m_hWnd, &point); }

void CWnd::ClientToScreen(RECT& rect) const {
    MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
}

void CWnd::ScreenToClient(POINT& point) const { ::ScreenToClient(m_hWnd, &point); }

void CWnd::ScreenToClient(RECT& rect) const {
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
}

void CWnd::SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }

std::string CWnd::TextOf(HWND hwnd) {
    if (!hwnd) return {};
    int length = ::GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int copied = ::GetWindowTextA(hwnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

std::string CWnd::GetWindowText() const { return TextOf(m_hWnd); }

HWND CWnd::GetDlgItem(UINT id) const { return ::GetDlgItem(m_hWnd, static_cast<int>(id)); }

HWND CWnd::GetParent() const { return ::GetParent(m_hWnd); }

bool CWnd::RedrawWindow(const RECT* area, UINT flags) const {
    return ::RedrawWindow(m_hWnd, area, nullptr, flags) != 0;
}

void CWnd::Invalidate(bool erase) const { InvalidateRect(m_hWnd, nullptr, erase); }

bool CWnd::EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable) != 0; }

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT milliseconds) const {
    return ::SetTimer(m_hWnd, id, milliseconds, nullptr);
}

bool CWnd::KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id) != 0; }

namespace {
bool ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT frameFlags) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, index));
    DWORD changed = (style & ~remove) | add;
    if (changed == style) return false;
    SetWindowLongPtrA(hwnd, index, static_cast<LONG_PTR>(changed));
    if (frameFlags) {
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | frameFlags);
    }
    return true;
}
}  // namespace

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT frameFlags) const {
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add, frameFlags);
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT frameFlags) const {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, frameFlags);
}
