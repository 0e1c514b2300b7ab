#include "metatrader_dialogs/test_dlg_win32.h"

#include "app/app_core.h"
#include "metatrader/developer_digest.h"
#include "resources/resource_rules.h"

CTestDlg::CTestDlg() : CDialog(IDD_TEST) {}

bool CTestDlg::OnInitDialog() {
    SetDlgItemText(IDC_TEST_EX4_DIGEST, SignalCopyEaDigest(theCore.m_signalCopyFolder));
    return true;
}
