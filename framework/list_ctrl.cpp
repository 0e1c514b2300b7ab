#include "framework/list_ctrl.h"

void CListCtrl::SetExtendedStyle(DWORD styles) const {
    ListView_SetExtendedListViewStyle(list_, styles);
}

void CListCtrl::InsertColumns(std::initializer_list<ListColumn> columns) const {
    int index = Header_GetItemCount(ListView_GetHeader(list_));
    for (const ListColumn& given : columns) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = given.width;
        column.pszText = const_cast<char*>(given.header);
        column.iSubItem = index;
        ListView_InsertColumn(list_, index++, &column);
    }
}

int CListCtrl::GetItemCount() const { return ListView_GetItemCount(list_); }

int CListCtrl::AddItem(const std::string& text, LPARAM data) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = GetItemCount();
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = data;
    return ListView_InsertItem(list_, &item);
}

void CListCtrl::SetItemText(int row, int column, const std::string& text) const {
    ListView_SetItemText(list_, row, column, const_cast<char*>(text.c_str()));
}

std::string CListCtrl::GetItemText(int row, int column) const {
    // The control copies at most the buffer's size less one: grow until the text fits.
    std::string text(MAX_PATH, '\0');
    for (;;) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        int length = static_cast<int>(
            ::SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<size_t>(length));
            return text;
        }
        text.assign(text.size() * 2, '\0');
    }
}

LPARAM CListCtrl::GetItemData(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(list_, &item);
    return item.lParam;
}

bool CListCtrl::GetCheck(int row) const { return ListView_GetCheckState(list_, row) != 0; }

void CListCtrl::SetCheck(int row, bool checked) const {
    ListView_SetCheckState(list_, row, checked);
}

int CListCtrl::FirstSelected() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }

bool CListCtrl::CellAt(POINT point, int& row, int& column) const {
    LVHITTESTINFO hit{};
    hit.pt = point;
    if (ListView_SubItemHitTest(list_, &hit) < 0 || !(hit.flags & LVHT_ONITEM)) return false;
    row = hit.iItem;
    column = hit.iSubItem;
    return true;
}
