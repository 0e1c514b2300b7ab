// CWnd: one window handle and the object that handles its messages.
//
// A window gets its object in one of three ways: CreateEx makes a new window (and the object
// owns it: the destructor destroys it), SubclassWindow / SubclassDlgItem route an existing
// window's messages through the object (the window keeps its owner, usually a dialog), and
// Attach only wraps a handle for the convenience calls. Derived classes handle messages by
// overriding OnMessage; whatever they leave goes to the window's previous procedure (or
// DefWindowProcA), which Default() also reaches from inside a handler.
//
// Owner-drawn controls draw themselves: WM_DRAWITEM and WM_MEASUREITEM that a parent receives
// are first offered to the control's object through OnChildNotify.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object routing messages of hwnd, or nullptr.
    static CWnd* FromHandle(HWND hwnd);
    // The window text of any window (CP932); empty for a null handle.
    static std::string TextOf(HWND hwnd);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // A new window owned by this object. A null className means the framework's own window
    // class (no background brush, arrow cursor, no double-click messages).
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    bool DestroyWindow();

    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    // Gives the window back its previous procedure; returns the handle.
    HWND UnsubclassWindow();

    // Wraps hwnd without taking its messages or its ownership.
    bool Attach(HWND hwnd);
    HWND Detach();

    // Thin conveniences over the USER calls of the same names.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool ShowWindow(int command) const;
    bool IsWindowVisible() const;
    bool MoveWindow(int x, int y, int width, int height, bool repaint = true) const;
    bool MoveWindow(const RECT& rect, bool repaint = true) const;
    bool SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const;
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    void ClientToScreen(POINT& point) const;
    void ClientToScreen(RECT& rect) const;
    void ScreenToClient(POINT& point) const;
    void ScreenToClient(RECT& rect) const;
    void SetWindowText(const std::string& text) const;
    std::string GetWindowText() const;
    HWND GetDlgItem(UINT id) const;
    HWND GetParent() const;
    bool RedrawWindow(const RECT* area = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW) const;
    void Invalidate(bool erase = true) const;
    bool EnableWindow(bool enable) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const;
    bool KillTimer(UINT_PTR id) const;
    // Style changes; frameFlags (SWP_*) additionally re-applies the frame with SetWindowPos.
    bool ModifyStyle(DWORD remove, DWORD add, UINT frameFlags = 0) const;
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT frameFlags = 0) const;

protected:
    // The message procedure of the object: reflection to owner-drawn children, then
    // OnMessage, then the previous procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Returns true when the message was handled; result is then the message's answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification the parent passes on (WM_DRAWITEM, WM_MEASUREITEM); true when handled.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called after the last message of the window (WM_NCDESTROY); the handle is gone then.
    virtual void PostNcDestroy() {}

    // The previous procedure (or DefWindowProcA) for any message.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous procedure for the message being handled.
    LRESULT Default();

    HWND m_hWnd = nullptr;

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT CALLBACK StandardWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam);
    static const char* DefaultClassName();
    bool Bind(HWND hwnd);
    void Unbind();
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    WNDPROC previousProc_ = nullptr;
    bool subclassed_ = false;
    bool ownsWindow_ = false;
    CurrentMessage current_{};
};
