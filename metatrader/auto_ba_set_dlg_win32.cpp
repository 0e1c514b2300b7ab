#include "metatrader/auto_ba_set_dlg_win32.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "app/app_core.h"
#include "app/os.h"
#include "metatrader/auto_ba_cur_dlg_win32.h"
#include "metatrader/auto_trade_rule_rows.h"
#include "resources/resource_rules.h"

namespace {
struct ColumnSpec {
    const char* title;
    int width;  // pixels
};

constexpr ColumnSpec kColumns[] = {
    {"指標情報", 260},
    {"対象通貨", 120},
    {"売買", 40},
    {"IA連携", 40},
};

void SetCellText(HWND list, int row, int column, const std::string& text) {
    ListView_SetItemText(list, row, column, const_cast<char*>(text.c_str()));
}
}  // namespace

CAutoBASetDlg::CAutoBASetDlg() : CDialog(IDD_AUTO_BA_SET) {}

HWND CAutoBASetDlg::List() const { return GetDlgItem(IDC_RULE_LIST); }

bool CAutoBASetDlg::OnInitDialog() {
    ListView_SetExtendedListViewStyle(List(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    InsertColumns();
    InsertRows();
    RefreshRows();
    return true;
}

void CAutoBASetDlg::InsertColumns() const {
    int index = 0;
    for (const ColumnSpec& spec : kColumns) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = spec.width;
        column.pszText = const_cast<char*>(spec.title);
        column.iSubItem = index;
        ListView_InsertColumn(List(), index++, &column);
    }
}

void CAutoBASetDlg::InsertRows() const {
    const std::vector<RuleListRow> rows =
        RuleListRows(theCore.m_indicatorStore, Os().Now(), theCore.m_autoNotifyRank);
    int index = 0;
    for (const RuleListRow& row : rows) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index++;
        item.pszText = const_cast<char*>(row.title.c_str());
        item.lParam = row.indicatorId;
        ListView_InsertItem(List(), &item);
    }
}

void CAutoBASetDlg::RefreshRows() const {
    const int count = ListView_GetItemCount(List());
    for (int row = 0; row < count; ++row) {
        const std::optional<RuleRowTexts> texts =
            RuleRowTextsFor(theCore.m_indicatorStore, theCore.m_ruleStore, RowIndicatorId(row));
        if (!texts) continue;
        SetCellText(List(), row, 1, texts->symbols);
        SetCellText(List(), row, 2, texts->direction);
        SetCellText(List(), row, 3, texts->link);
    }
}

int32_t CAutoBASetDlg::RowIndicatorId(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(List(), &item);
    return static_cast<int32_t>(item.lParam);
}

std::vector<int32_t> CAutoBASetDlg::ListedIndicatorIds() const {
    std::vector<int32_t> ids;
    const int count = ListView_GetItemCount(List());
    for (int row = 0; row < count; ++row) ids.push_back(RowIndicatorId(row));
    return ids;
}

int CAutoBASetDlg::ColumnUnderCursor() const {
    LVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ::ScreenToClient(List(), &hit.pt);
    hit.iSubItem = -1;
    ListView_SubItemHitTest(List(), &hit);
    return hit.iSubItem;
}

void CAutoBASetDlg::OnListDoubleClicked() {
    const int row = ListView_GetNextItem(List(), -1, LVNI_SELECTED);
    std::optional<int32_t> indicatorId;
    if (row >= 0) indicatorId = RowIndicatorId(row);
    DoubleClickRuleCell(theCore.m_indicatorStore, theCore.m_ruleStore, indicatorId,
                        ColumnUnderCursor(), [this](const RuleEditRequest& request) {
                            CAutoBACurDlg(request.name, request.indicatorId, this).DoModal();
                        });
    RefreshRows();
}

bool CAutoBASetDlg::OnCommand(WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) != IDC_CLEAR_ALL_RULES || HIWORD(wParam) != BN_CLICKED) return false;
    ClearListedRules(theCore.m_ruleStore, ListedIndicatorIds());
    RefreshRows();
    return true;
}

bool CAutoBASetDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_RULE_LIST && header->code == NM_DBLCLK) {
            OnListDoubleClicked();
            result = 0;
            return true;
        }
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}
