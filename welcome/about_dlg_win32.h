// CAboutDlg: the version dialog of the panel menu.
#pragma once

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    bool OnInitDialog() override;
};
