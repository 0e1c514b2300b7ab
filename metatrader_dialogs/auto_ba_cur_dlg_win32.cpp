#include "metatrader_dialogs/auto_ba_cur_dlg_win32.h"

#include <commctrl.h>

#include <utility>

#include "app/app_core.h"
#include "metatrader/auto_trade_rule_choice.h"
#include "metatrader/symbol_table.h"
#include "resources/resource_rules.h"

CAutoBACurDlg::CAutoBACurDlg(std::string indicatorName, int32_t indicatorId, CWnd* parent)
    : CDialog(IDD_AUTO_BA_CUR, parent),
      indicatorName_(std::move(indicatorName)),
      indicatorId_(indicatorId) {}

CListCtrl CAutoBACurDlg::List() const { return CListCtrl(GetDlgItem(IDC_RULE_LIST)); }

bool CAutoBACurDlg::OnInitDialog() {
    SetDlgItemText(IDC_RULE_TARGET, RuleEditorHeading(indicatorName_));
    const RuleChoice choice = RuleChoiceOf(theCore.m_ruleStore, indicatorId_);
    FillSymbols(choice);
    FillDirections(choice.direction);
    return true;
}

void CAutoBACurDlg::FillSymbols(const RuleChoice& choice) const {
    const CListCtrl list = List();
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.InsertColumns({{"通貨", 80}});
    for (int index = 0; index < EDITABLE_SYMBOL_COUNT; ++index)
        list.SetCheck(list.AddItem(SymbolTable[index]), choice.ticked[index]);
}

void CAutoBACurDlg::FillDirections(int32_t direction) const {
    for (const char* text : DIRECTION_CHOICES)
        SendDlgItemMessage(IDC_RULE_DIRECTION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessage(IDC_RULE_DIRECTION, CB_SETCURSEL, static_cast<WPARAM>(direction));
}

void CAutoBACurDlg::OnOK() {
    RuleChoice choice;
    for (int index = 0; index < EDITABLE_SYMBOL_COUNT; ++index)
        choice.ticked[index] = List().GetCheck(index);
    choice.direction = static_cast<int32_t>(SendDlgItemMessage(IDC_RULE_DIRECTION, CB_GETCURSEL));
    ApplyRuleChoice(theCore.m_ruleStore, indicatorId_, choice);
    CDialog::OnOK();
}
