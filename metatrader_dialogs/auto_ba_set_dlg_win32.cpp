#include "metatrader_dialogs/auto_ba_set_dlg_win32.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "app/app_core.h"
#include "base/os.h"
#include "metatrader/auto_trade_rule_rows.h"
#include "metatrader_dialogs/auto_ba_cur_dlg_win32.h"
#include "resources/resource_rules.h"

CAutoBASetDlg::CAutoBASetDlg() : CDialog(IDD_AUTO_BA_SET) {}

CListCtrl CAutoBASetDlg::List() const { return CListCtrl(GetDlgItem(IDC_RULE_LIST)); }

bool CAutoBASetDlg::OnInitDialog() {
    List().SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    List().InsertColumns({{"指標情報", 260}, {"対象通貨", 120}, {"売買", 40}, {"IA連携", 40}});
    for (const RuleListRow& row :
         RuleListRows(theCore.m_indicatorStore, Os().Now(), theCore.m_autoNotifyRank))
        List().AddItem(row.title, row.indicatorId);
    RefreshRows();
    return true;
}

void CAutoBASetDlg::RefreshRows() const {
    const CListCtrl list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) {
        const std::optional<RuleRowTexts> texts =
            RuleRowTextsFor(theCore.m_indicatorStore, theCore.m_ruleStore, RowIndicatorId(row));
        if (!texts) continue;
        list.SetItemText(row, 1, texts->symbols);
        list.SetItemText(row, 2, texts->direction);
        list.SetItemText(row, 3, texts->link);
    }
}

int32_t CAutoBASetDlg::RowIndicatorId(int row) const {
    return static_cast<int32_t>(List().GetItemData(row));
}

std::vector<int32_t> CAutoBASetDlg::ListedIndicatorIds() const {
    std::vector<int32_t> ids;
    for (int row = 0; row < List().GetItemCount(); ++row) ids.push_back(RowIndicatorId(row));
    return ids;
}

int CAutoBASetDlg::ColumnUnderCursor() const {
    POINT cursor;
    GetCursorPos(&cursor);
    ::ScreenToClient(List().GetSafeHwnd(), &cursor);
    int row = 0;
    int column = -1;
    List().CellAt(cursor, row, column);
    return column;
}

void CAutoBASetDlg::OnListDoubleClicked() {
    const int row = List().FirstSelected();
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
