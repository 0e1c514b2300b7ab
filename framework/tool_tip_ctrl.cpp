#include "framework/tool_tip_ctrl.h"

#include <commctrl.h>

bool CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    if (!parent) return false;
    RECT nowhere{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    // Topmost, as the windows it explains may be topmost themselves.
    if (!CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | style, nowhere, parent, 0)) {
        return false;
    }
    owner_ = parent->GetSafeHwnd();
    return true;
}

bool CToolTipCtrl::AddTool(const CWnd& tool, const std::string& text) const {
    if (!m_hWnd || !tool.GetSafeHwnd()) return false;
    TOOLINFOA info{};
    // The oldest layout every comctl32 version accepts.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(tool.GetSafeHwnd());
    info.lpszText = const_cast<char*>(text.c_str());  // copied by the tooltip
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::RelayEvent(const MSG& message) const {
    if (!m_hWnd) return;
    if (message.message < WM_MOUSEFIRST || message.message > WM_MOUSELAST) return;
    MSG copy = message;
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

void CToolTipCtrl::Activate(bool active) const { SendMessage(TTM_ACTIVATE, active ? TRUE : FALSE); }
