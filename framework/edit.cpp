#include "framework/edit.h"

void CEdit::SetSel(int start, int end, bool noScroll) const {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    if (!noScroll) ScrollCaret();
}

void CEdit::ScrollCaret() const { SendMessage(EM_SCROLLCARET); }

void CEdit::SetReadOnly(bool readOnly) const {
    SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

void CEdit::LimitText(int maximum) const {
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maximum));
}
