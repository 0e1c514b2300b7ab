// CSignalTradeDlg: the MetaTrader folder that receives the trade signals for the signal-copy
// expert advisor, with the advisor's setup and check.
#pragma once

#include <string>

#include "framework/dialog.h"

class CSignalTradeDlg : public CDialog {
public:
    CSignalTradeDlg();

protected:
    bool OnInitDialog() override;
    // "閉じる", the close box and Esc keep the folder and decide whether signals are copied.
    void OnCancel() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::string Folder() const;
    void ShowStatus(const std::string& text) const;
    void Install() const;
    void Browse() const;
    void Search();
};
