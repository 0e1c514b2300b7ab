#include "metatrader_dialogs/auto_ba_dlg_win32.h"

#include "app/app_core.h"
#include "base/os.h"
#include "framework/wait_cursor.h"
#include "metatrader_dialogs/hist_search_dlg_win32.h"
#include "metatrader_dialogs/terminal_folder_browser_win32.h"
#include "resources/resource_mt4.h"

namespace {
UINT FolderEdit(size_t row) { return IDC_MT4_FOLDER + static_cast<UINT>(row) * IDC_MT4_ROW_STEP; }
UINT SearchButton(size_t row) { return IDC_MT4_SEARCH + static_cast<UINT>(row) * IDC_MT4_ROW_STEP; }
UINT BrowseButton(size_t row) { return IDC_MT4_BROWSE + static_cast<UINT>(row) * IDC_MT4_ROW_STEP; }
UINT StatusLine(size_t row) { return IDC_MT4_STATUS + static_cast<UINT>(row); }
}  // namespace

CAutoBADlg::CAutoBADlg() : CDialog(IDD_AUTO_BA) {}

bool CAutoBADlg::OnInitDialog() {
    for (size_t row = 0; row < theCore.m_terminalFolders.size(); ++row)
        SetDlgItemText(FolderEdit(row), theCore.m_terminalFolders[row]);
    Show(VerifyEaFolders(Fields(), false));
    return true;
}

void CAutoBADlg::OnCancel() {
    StoreTerminalFolders(theCore, Fields());
    CDialog::OnCancel();
}

bool CAutoBADlg::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED) return false;
    const UINT id = LOWORD(wParam);
    if (id == IDC_MT4_SETUP) {
        Install();
        return true;
    }
    if (id == IDC_MT4_VERIFY) {
        Show(VerifyEaFolders(Fields(), true));
        return true;
    }
    for (size_t row = 0; row < CAppCore::TERMINAL_FOLDER_COUNT; ++row) {
        if (id == SearchButton(row)) {
            SearchRow(row);
            return true;
        }
        if (id == BrowseButton(row)) {
            BrowseRow(row);
            return true;
        }
    }
    return false;
}

TerminalFolderFields CAutoBADlg::Fields() const {
    TerminalFolderFields fields;
    for (size_t row = 0; row < fields.size(); ++row) fields[row] = GetDlgItemText(FolderEdit(row));
    return fields;
}

void CAutoBADlg::Show(const EaSetupReport& report) const {
    for (size_t row = 0; row < report.statusTexts.size(); ++row)
        SetDlgItemText(StatusLine(row), report.statusTexts[row]);
    for (const std::string& notice : report.notices) Os().AskUser(notice, MessageKind::Information);
}

void CAutoBADlg::Install() const {
    EaSetupReport report;
    {
        CWaitCursor copying;
        report = InstallEaFiles(Fields());
    }
    Show(report);
}

void CAutoBADlg::BrowseRow(size_t row) {
    const std::string folder = BrowseForTerminalFolder(m_hWnd);
    if (!folder.empty()) SetRowFolder(row, folder);
}

void CAutoBADlg::SearchRow(size_t row) {
    CHistSearchDlg search(this);
    if (search.DoModal() == IDOK) SetRowFolder(row, search.Result());
}

void CAutoBADlg::SetRowFolder(size_t row, const std::string& folder) {
    SetDlgItemText(FolderEdit(row), folder);
    StoreTerminalFolders(theCore, Fields());
}
