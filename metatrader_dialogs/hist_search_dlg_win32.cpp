#include "metatrader_dialogs/hist_search_dlg_win32.h"

#include <optional>

#include "app/app_core.h"
#include "framework/private_messages.h"
#include "framework/wait_cursor.h"
#include "resources/resource_mt4.h"

namespace {
// Refreshes the shown folder of a running scan.
constexpr UINT_PTR TIMER_SCAN_TEXT = 1234;
constexpr UINT SCAN_TEXT_MILLISECONDS = 1000;
}  // namespace

CHistSearchDlg::CHistSearchDlg(CWnd* parent)
    : CDialog(IDD_HIST_SEARCH, parent), search_(theCore, *this) {}

bool CHistSearchDlg::OnInitDialog() {
    for (const std::string& entry : search_.Entries()) AddToList(entry);
    ShowState();
    return true;
}

void CHistSearchDlg::OnOK() {
    const int selected = static_cast<int>(SendDlgItemMessage(IDC_SEARCH_LIST, LB_GETCURSEL));
    if (std::optional<std::string> chosen = search_.Choose(selected)) {
        result_ = *chosen;
        EndDialog(IDOK);
    }
}

bool CHistSearchDlg::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_SEARCH_AGAIN && code == BN_CLICKED) {
        SearchAgain();
        return true;
    }
    if (id == IDC_SEARCH_LIST && code == LBN_DBLCLK) {
        if (SendDlgItemMessage(IDC_SEARCH_LIST, LB_GETCURSEL) != LB_ERR) OnOK();
        return true;
    }
    return false;
}

bool CHistSearchDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case UM_FOLDER_FOUND: OnFolderFound(); return true;
    case UM_SCAN_DONE: OnScanDone(); return true;
    case WM_TIMER:
        if (wParam != TIMER_SCAN_TEXT) break;
        SetDlgItemText(IDC_SEARCH_TEXT, search_.StatusText());
        return true;
    case WM_DESTROY: OnDestroy(); break;
    default: break;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}

void CHistSearchDlg::FolderFound() { PostMessage(UM_FOLDER_FOUND); }

void CHistSearchDlg::ScanDone() { PostMessage(UM_SCAN_DONE); }

void CHistSearchDlg::SearchAgain() {
    search_.Search();
    SendDlgItemMessage(IDC_SEARCH_LIST, LB_RESETCONTENT);
    for (const std::string& entry : search_.Entries()) AddToList(entry);
    ShowState();
    if (search_.CurrentState() == FolderSearch::State::Scanning)
        SetTimer(TIMER_SCAN_TEXT, SCAN_TEXT_MILLISECONDS);
}

void CHistSearchDlg::OnFolderFound() {
    for (const std::string& entry : search_.TakeFoundFolders()) AddToList(entry);
}

void CHistSearchDlg::OnScanDone() {
    KillTimer(TIMER_SCAN_TEXT);
    OnFolderFound();
    search_.ScanEnded();
    ShowState();
}

void CHistSearchDlg::OnDestroy() {
    KillTimer(TIMER_SCAN_TEXT);
    // Stopping a scan may take a moment.
    CWaitCursor stopping;
    search_.Close();
}

void CHistSearchDlg::AddToList(const std::string& entry) const {
    SendDlgItemMessage(IDC_SEARCH_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void CHistSearchDlg::ShowState() const {
    SetDlgItemText(IDC_SEARCH_TEXT, search_.StatusText());
    const HWND again = GetDlgItem(IDC_SEARCH_AGAIN);
    // A disabled button cannot keep the keyboard focus: pass it on to the list.
    if (!search_.CanSearch() && GetFocus() == again)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_SEARCH_LIST)),
                       TRUE);
    ::EnableWindow(again, search_.CanSearch() ? TRUE : FALSE);
}
