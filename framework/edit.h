// CEdit: an edit control, usually a dialog item taken over with SubclassDlgItem or wrapped
// with Attach.
#pragma once

#include "framework/wnd.h"

class CEdit : public CWnd {
public:
    // Selects the characters from start to end (0, 0 puts the caret at the beginning);
    // noScroll keeps the caret out of view.
    void SetSel(int start, int end, bool noScroll = false) const;
    void ScrollCaret() const;
    void SetReadOnly(bool readOnly) const;
    void LimitText(int maximum) const;
};
