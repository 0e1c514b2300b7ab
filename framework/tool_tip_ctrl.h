// CToolTipCtrl: a tooltip window for the child windows of one parent. The parent relays its
// mouse messages with RelayEvent (typically from PreTranslateMessage); the tooltip then shows a
// tool's text while the pointer rests on it.
#pragma once

#include "framework/wnd.h"

class CToolTipCtrl : public CWnd {
public:
    bool Create(CWnd* parent, DWORD style = 0);
    // The whole window of tool is the tool; text is CP932.
    bool AddTool(const CWnd& tool, const std::string& text) const;
    // Passes a mouse message on to the tooltip; other messages are ignored.
    void RelayEvent(const MSG& message) const;
    void Activate(bool active) const;

private:
    HWND owner_ = nullptr;
};
