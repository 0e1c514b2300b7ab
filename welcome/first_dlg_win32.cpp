#include "welcome/first_dlg_win32.h"

#include "prefs/startup_shortcut.h"
#include "resources/resource.h"

CFirstDlg::CFirstDlg() : CDialog(IDD_FIRST_RUN) {}

bool CFirstDlg::OnInitDialog() {
    CheckDlgButton(IDC_FIRST_RUN_STARTUP, true);
    CheckDlgButton(IDC_FIRST_RUN_DESKTOP, true);
    return true;
}

void CFirstDlg::OnCancel() {
    // "閉じる", the close box and Esc: create what the user left ticked.
    CreateFirstRunShortcuts(IsDlgButtonChecked(IDC_FIRST_RUN_STARTUP),
                            IsDlgButtonChecked(IDC_FIRST_RUN_DESKTOP));
    CDialog::OnCancel();
}
