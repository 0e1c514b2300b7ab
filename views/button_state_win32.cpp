#include "views/button_state_win32.h"

#include "views/hand_cursor_win32.h"

bool CButtonWnd::Create(CWnd* parent, int resourceId, int x, int y, int frames, bool grouped) {
    code_ = resourceId;
    grouped_ = grouped;
    state_ = ButtonState(frames > 0 ? frames : 1);
    face_.Load(resourceId);
    RECT rect{x, y, x + face_.Width(), y + face_.Height() / state_.Frames()};
    if (!CreateEx(0, nullptr, "exbutton", WS_CHILD | WS_VISIBLE, rect, parent, 0)) return false;
    ShowWindow(SW_SHOW);
    return true;
}

void CButtonWnd::SelectInGroup(bool flag) {
    if (!grouped_ || !group_) return;
    for (CButtonWnd* button : *group_) {
        button->state_.SetSelected(false);
        button->Repaint();
    }
    state_.SetSelected(flag);
    Repaint();
}

bool CButtonWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT: Paint(); break;
    case WM_ERASEBKGND:
        result = 1;  // the frame covers the whole window
        return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) return false;
        ShowHandCursor();
        result = TRUE;
        return true;
    case WM_MOUSEMOVE:
        ShowHandCursor();
        Apply(state_.MouseMove(PointerInside()));
        break;
    case WM_LBUTTONDOWN:
        ShowHandCursor();
        Apply(state_.ButtonDown(PointerInside()));
        break;
    case WM_LBUTTONUP: {
        bool inside = PointerInside();
        ShowHandCursor();
        ButtonEffects effects = state_.ButtonUp(inside);
        Apply(effects);
        if (effects.clicked) {
            SelectInGroup(true);
            ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(code_, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_hWnd));
        }
        break;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_hWnd) Apply(state_.Leave());
        break;
    case WM_SHOWWINDOW:
        if (!wParam) Apply(state_.Leave());
        return false;
    default: return false;
    }
    result = 0;
    return true;
}

void CButtonWnd::Apply(const ButtonEffects& effects) {
    if (effects.capture == CaptureChange::Take) {
        SetCapture(m_hWnd);
    } else if (effects.capture == CaptureChange::Release && GetCapture() == m_hWnd) {
        // Only our own capture: another window of the program may hold it by now.
        ReleaseCapture();
    }
    if (effects.repaint) Repaint();
}

bool CButtonWnd::PointerInside() const {
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT rect = GetWindowRect();
    return IsWindowVisible() && PtInRect(&rect, pointer);
}

void CButtonWnd::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    int frameHeight = face_.Height() / state_.Frames();
    face_.DrawPart(dc, 0, 0, 0, state_.Frame() * frameHeight, face_.Width(), frameHeight);
    EndPaint(m_hWnd, &paint);
}

void CButtonWnd::Repaint() const {
    if (m_hWnd) RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
