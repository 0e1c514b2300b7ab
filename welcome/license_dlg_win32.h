// CLicenseDlg: the terms of use. The start-up shows it until the user ticks the agreement box.
#pragma once

#include "framework/dialog.h"

class CLicenseDlg : public CDialog {
public:
    CLicenseDlg();

    // Whether the agreement box was ticked when the dialog closed.
    bool Agreed() const { return agreed_; }

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool agreed_ = false;
};
