// CListCtrl: a report-view list control (SysListView32) of a dialog, seen through its handle.
//
// The dialog owns the control; this is only a view of it, made where it is needed, so it holds
// nothing but the handle. Texts are CP932.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>

// One left-aligned column: its header and its width in pixels.
struct ListColumn {
    const char* header;
    int width;
};

class CListCtrl {
public:
    explicit CListCtrl(HWND list) : list_(list) {}

    HWND GetSafeHwnd() const { return list_; }

    void SetExtendedStyle(DWORD styles) const;
    // Appends the columns in order.
    void InsertColumns(std::initializer_list<ListColumn> columns) const;

    int GetItemCount() const;
    // Appends a row with the text in column 0 and the data; returns its index.
    int AddItem(const std::string& text, LPARAM data = 0) const;
    void SetItemText(int row, int column, const std::string& text) const;
    // The whole text of a cell, however long.
    std::string GetItemText(int row, int column) const;
    LPARAM GetItemData(int row) const;

    // The row's check box (with LVS_EX_CHECKBOXES).
    bool GetCheck(int row) const;
    void SetCheck(int row, bool checked) const;

    // The first selected row, or -1.
    int FirstSelected() const;
    // The row and column of the cell at a client point; false when the point is on no row.
    bool CellAt(POINT point, int& row, int& column) const;

private:
    HWND list_;
};
