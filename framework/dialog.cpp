#include "framework/dialog.h"

#include "base/byte_text.h"
#include "base/os.h"
#include "framework/win_app.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

INT_PTR CDialog::DoModal() {
    if (m_hWnd) return -1;
    // Without a parent the application's main window owns the dialog, as the panel is topmost:
    // an unowned dialog could open behind it, and the panel must not take clicks meanwhile.
    CWnd* mainWnd = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
    CWnd* ownerWnd = parent_ ? parent_ : mainWnd;
    HWND owner = ownerWnd && ownerWnd != this ? ownerWnd->GetSafeHwnd() : nullptr;
    if (owner && !IsWindow(owner)) owner = nullptr;

    ending_ = false;
    result_ = -1;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        Os().Trace(FormatText("cannot create dialog %u (error %lu)", templateId_, GetLastError()));
        return -1;
    }
    if (m_hWnd != hwnd) {
        ::DestroyWindow(hwnd);
        return -1;
    }

    bool disabledOwner = owner && IsWindowEnabled(owner);
    if (disabledOwner) ::EnableWindow(owner, FALSE);
    if (!ending_ && !IsWindowVisible()) ShowWindow(SW_SHOW);
    RunModalLoop();
    if (disabledOwner) ::EnableWindow(owner, TRUE);
    // Hand activation back to the owner before the dialog disappears, so that it does not go
    // to some other program's window.
    if (owner && GetActiveWindow() == hwnd) SetActiveWindow(owner);
    ::DestroyWindow(hwnd);
    return result_;
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ending_ = true;
    // Wakes the modal loop even when the call came from outside a message of this thread's queue.
    if (m_hWnd) PostMessage(WM_NULL);
}

void CDialog::RunModalLoop() {
    MSG message;
    while (!ending_ && m_hWnd) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends this loop and is put back for any loop around it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) return;
        if (PreTranslateMessage(message)) continue;
        if (IsDialogMessageA(m_hWnd, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog || !dialog->SubclassWindow(hwnd)) return TRUE;
    return dialog->OnInitDialog() ? TRUE : FALSE;
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (id == IDOK || id == IDCANCEL)) {
        // The dialog manager turns Enter into IDOK even where there is no OK button. There the
        // only way out is the close button, so Enter must do what it does (store the folders,
        // record the agreement, create the shortcuts), not end the dialog bare.
        if (id == IDOK && GetDlgItem(IDOK)) {
            OnOK();
        } else {
            OnCancel();
        }
        result = 0;
        return true;
    }
    if (!OnCommand(wParam, lParam)) return false;
    result = 0;
    return true;
}

bool CDialog::OnCommand(WPARAM, LPARAM) { return false; }

bool CDialog::PreTranslateMessage(MSG&) { return false; }

void CDialog::SetDlgItemText(UINT id, const std::string& text) const {
    ::SetDlgItemTextA(m_hWnd, static_cast<int>(id), text.c_str());
}

std::string CDialog::GetDlgItemText(UINT id) const { return TextOf(GetDlgItem(id)); }

bool CDialog::IsDlgButtonChecked(UINT id) const {
    return ::IsDlgButtonChecked(m_hWnd, static_cast<int>(id)) == BST_CHECKED;
}

void CDialog::CheckDlgButton(UINT id, bool checked) const {
    ::CheckDlgButton(m_hWnd, static_cast<int>(id), checked ? BST_CHECKED : BST_UNCHECKED);
}

LRESULT CDialog::SendDlgItemMessage(UINT id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessageA(m_hWnd, static_cast<int>(id), message, wParam, lParam);
}
