// CAutoBADlg: the auto-trade expert advisor's setup: up to three MetaTrader folders, copying the
// expert advisor's files into them and checking the copies.
#pragma once

#include "framework/dialog.h"
#include "metatrader_dialogs/ea_setup_fields.h"

class CAutoBADlg : public CDialog {
public:
    CAutoBADlg();

protected:
    bool OnInitDialog() override;
    // "閉じる", the close box and Esc keep the fields.
    void OnCancel() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    TerminalFolderFields Fields() const;
    void Show(const EaSetupReport& report) const;
    void Install() const;
    void BrowseRow(size_t row);
    void SearchRow(size_t row);
    // A folder chosen for a row goes into its edit and is kept at once.
    void SetRowFolder(size_t row, const std::string& folder);
};
