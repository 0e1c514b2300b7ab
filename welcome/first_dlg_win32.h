// CFirstDlg: the first-run dialog, offering a Startup and a desktop shortcut.
#pragma once

#include "framework/dialog.h"

class CFirstDlg : public CDialog {
public:
    CFirstDlg();

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
};
