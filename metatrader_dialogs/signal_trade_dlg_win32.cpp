#include "metatrader_dialogs/signal_trade_dlg_win32.h"

#include "app/app_core.h"
#include "framework/wait_cursor.h"
#include "metatrader_dialogs/hist_search_dlg_win32.h"
#include "metatrader_dialogs/signal_copy_setup.h"
#include "metatrader_dialogs/terminal_folder_browser_win32.h"
#include "resources/resource_mt4.h"

CSignalTradeDlg::CSignalTradeDlg() : CDialog(IDD_SIGNAL_TRADE) {}

bool CSignalTradeDlg::OnInitDialog() {
    SetDlgItemText(IDC_MT4_FOLDER, theCore.m_signalCopyFolder);
    ShowStatus(SignalCopyStatus(Folder()));
    return true;
}

void CSignalTradeDlg::OnCancel() {
    StoreSignalCopyFolder(theCore, Folder());
    CDialog::OnCancel();
}

bool CSignalTradeDlg::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED) return false;
    switch (LOWORD(wParam)) {
    case IDC_MT4_SETUP: Install(); return true;
    case IDC_MT4_VERIFY: ShowStatus(SignalCopyStatus(Folder())); return true;
    case IDC_MT4_BROWSE: Browse(); return true;
    case IDC_MT4_SEARCH: Search(); return true;
    default: return false;
    }
}

std::string CSignalTradeDlg::Folder() const { return GetDlgItemText(IDC_MT4_FOLDER); }

void CSignalTradeDlg::ShowStatus(const std::string& text) const {
    SetDlgItemText(IDC_MT4_STATUS, text);
}

void CSignalTradeDlg::Install() const {
    std::string status;
    {
        CWaitCursor copying;
        status = InstallSignalCopyEa(Folder());
    }
    ShowStatus(status);
}

// The folder goes into the edit only; it is kept when the dialog closes.
void CSignalTradeDlg::Browse() const {
    const std::string folder = BrowseForTerminalFolder(m_hWnd);
    if (!folder.empty()) SetDlgItemText(IDC_MT4_FOLDER, folder);
}

void CSignalTradeDlg::Search() {
    CHistSearchDlg search(this);
    if (search.DoModal() == IDOK) SetDlgItemText(IDC_MT4_FOLDER, search.Result());
}
