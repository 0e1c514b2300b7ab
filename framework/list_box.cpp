#include "framework/list_box.h"

int CListBox::AddString(const std::string& text) const {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void CListBox::ResetContent() const { SendMessage(LB_RESETCONTENT); }

int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }

int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }

int CListBox::SetCurSel(int index) const {
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
}

DWORD_PTR CListBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

bool CListBox::SetItemData(int index, DWORD_PTR data) const {
    return SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)) !=
           LB_ERR;
}

int CListBox::ItemFromPoint(POINT point, bool& outside) const {
    LRESULT answer = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    outside = HIWORD(answer) != 0;
    return static_cast<int>(LOWORD(answer));
}

RECT CListBox::GetItemRect(int index) const {
    RECT rect{};
    SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void CListBox::DrawItem(DRAWITEMSTRUCT&) {}

void CListBox::MeasureItem(MEASUREITEMSTRUCT&) {}

bool CListBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    } else if (message == WM_MEASUREITEM) {
        MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    } else {
        return false;
    }
    result = TRUE;
    return true;
}
