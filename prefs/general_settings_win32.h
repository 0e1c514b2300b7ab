// CSettingDlg: the general settings (clock refresh, rank threshold, simple sound mode, new-item
// notices) and the Startup registration. OK stores the switches into the core and saves them;
// what the panel does with changed values follows after the dialog (ApplyGeneralSettings).
#pragma once

#include <cstdint>

#include "framework/dialog.h"
#include "prefs/general_settings.h"

class CSettingDlg : public CDialog {
public:
    CSettingDlg();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowForm(const GeneralSettingsForm& form) const;
    GeneralSettingsForm ReadForm() const;

    int32_t shownRank_ = 0;  // the rank the dialog opened with; a change drops the rules
};
