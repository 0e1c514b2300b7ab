// CAutoBACurDlg: the rule of one announcement, its symbols ticked in a list and the direction
// chosen in a combo box. OK writes the rule into the core's store; the caller saves it.
#pragma once

#include <cstdint>
#include <string>

#include "framework/dialog.h"
#include "framework/list_ctrl.h"
#include "metatrader/auto_trade_rule_choice.h"

class CAutoBACurDlg : public CDialog {
public:
    CAutoBACurDlg(std::string indicatorName, int32_t indicatorId, CWnd* parent);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CListCtrl List() const;
    void FillSymbols(const RuleChoice& choice) const;
    void FillDirections(int32_t direction) const;

    std::string indicatorName_;
    int32_t indicatorId_;
};
