#include "metatrader/auto_ba_cur_dlg_win32.h"

#include <commctrl.h>

#include <utility>

#include "app/app_core.h"
#include "metatrader/auto_trade_rule_choice.h"
#include "metatrader/symbol_table.h"
#include "resources/resource_rules.h"

namespace {
constexpr int kSymbolColumnWidth = 80;  // pixels
}

CAutoBACurDlg::CAutoBACurDlg(std::string indicatorName, int32_t indicatorId, CWnd* parent)
    : CDialog(IDD_AUTO_BA_CUR, parent),
      indicatorName_(std::move(indicatorName)),
      indicatorId_(indicatorId) {}

HWND CAutoBACurDlg::List() const { return GetDlgItem(IDC_RULE_LIST); }

bool CAutoBACurDlg::OnInitDialog() {
    SetDlgItemText(IDC_RULE_TARGET, RuleEditorHeading(indicatorName_));
    const RuleChoice choice = RuleChoiceOf(theCore.m_ruleStore, indicatorId_);
    FillSymbols(choice);
    FillDirections(choice.direction);
    return true;
}

void CAutoBACurDlg::FillSymbols(const RuleChoice& choice) const {
    ListView_SetExtendedListViewStyle(List(), LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kSymbolColumnWidth;
    column.pszText = const_cast<char*>("通貨");
    ListView_InsertColumn(List(), 0, &column);

    for (int index = 0; index < EDITABLE_SYMBOL_COUNT; ++index) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<char*>(SymbolTable[index]);
        ListView_InsertItem(List(), &item);
        ListView_SetCheckState(List(), index, choice.ticked[index]);
    }
}

void CAutoBACurDlg::FillDirections(int32_t direction) const {
    for (const char* text : DIRECTION_CHOICES)
        SendDlgItemMessage(IDC_RULE_DIRECTION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessage(IDC_RULE_DIRECTION, CB_SETCURSEL, static_cast<WPARAM>(direction));
}

void CAutoBACurDlg::OnOK() {
    RuleChoice choice;
    for (int index = 0; index < EDITABLE_SYMBOL_COUNT; ++index)
        choice.ticked[index] = ListView_GetCheckState(List(), index) != 0;
    choice.direction = static_cast<int32_t>(SendDlgItemMessage(IDC_RULE_DIRECTION, CB_GETCURSEL));
    ApplyRuleChoice(theCore.m_ruleStore, indicatorId_, choice);
    CDialog::OnOK();
}
