// CListBox: a list box control, usually a dialog item taken over with SubclassDlgItem.
//
// An owner-drawn list box draws its own rows: override DrawItem and MeasureItem, which receive
// the WM_DRAWITEM and WM_MEASUREITEM that the parent window gets for this list.
#pragma once

#include "framework/wnd.h"

class CListBox : public CWnd {
public:
    // The new row's index, or LB_ERR.
    int AddString(const std::string& text) const;
    void ResetContent() const;
    int GetCount() const;
    // The selected row, or LB_ERR when none is selected.
    int GetCurSel() const;
    int SetCurSel(int index) const;
    // The row's data, or LB_ERR (as a value) for a bad index.
    DWORD_PTR GetItemData(int index) const;
    bool SetItemData(int index, DWORD_PTR data) const;
    // The row nearest a client point; outside is set when the point lies on no row.
    int ItemFromPoint(POINT point, bool& outside) const;
    RECT GetItemRect(int index) const;

    virtual void DrawItem(DRAWITEMSTRUCT& item);
    virtual void MeasureItem(MEASUREITEMSTRUCT& item);

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
