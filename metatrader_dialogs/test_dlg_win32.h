// CTestDlg: the developer dialog that shows the content digest of the signal-copy expert
// advisor in the chosen terminal folder, to be built into the program as its reference. The
// other two fields are for digests pasted in by hand; nothing in the dialog is stored.
#pragma once

#include "framework/dialog.h"

class CTestDlg : public CDialog {
public:
    CTestDlg();

protected:
    bool OnInitDialog() override;
};
