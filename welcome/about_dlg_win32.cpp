#include "welcome/about_dlg_win32.h"

#include "base/program_version.h"
#include "resources/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog() {
    SetDlgItemText(IDC_VERSION_TEXT, VersionLine());
    return true;
}
