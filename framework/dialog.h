// CDialog: a modal dialog made from a dialog template resource.
//
// DoModal creates the dialog, disables its owner, and runs a message loop of its own until
// EndDialog, so that PreTranslateMessage sees every message before the dialog manager does
// (which a system modal loop would not allow). The dialog window is destroyed before DoModal
// returns; WM_DESTROY therefore still reaches OnMessage with the window intact.
//
// Commands: IDOK reaches OnOK, IDCANCEL (the Cancel button, Esc, the close box) OnCancel;
// every other WM_COMMAND goes to OnCommand. In a dialog without an OK button, IDOK (Enter) also
// reaches OnCancel, the dialog's one way to close.
#pragma once

#include "framework/wnd.h"

class CDialog : public CWnd {
public:
    // parent may be null: the dialog then has no owner.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // The value given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    UINT TemplateId() const { return templateId_; }

    // Dialog-item conveniences.
    void SetDlgItemText(UINT id, const std::string& text) const;
    std::string GetDlgItemText(UINT id) const;
    bool IsDlgButtonChecked(UINT id) const;
    void CheckDlgButton(UINT id, bool checked) const;
    LRESULT SendDlgItemMessage(UINT id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

protected:
    // The window and its controls exist. Return true to let the system give the focus to the
    // first control, false when the dialog placed the focus (or the caret) itself.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A WM_COMMAND other than IDOK and IDCANCEL; true when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    // Sees each message of the modal loop first; true swallows it.
    virtual bool PreTranslateMessage(MSG& message);

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    UINT templateId_;
    CWnd* parent_;
    bool ending_ = false;
    int result_ = -1;
};
