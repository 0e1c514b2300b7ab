// CSoundSettingDlg: for every alert event whether it sounds and which file it plays, with a test
// play. The edits live in the list until OK writes them into the core and saves the settings.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/list_ctrl.h"
#include "prefs/sound_settings.h"

class CSoundSettingDlg : public CDialog {
public:
    CSoundSettingDlg();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CListCtrl List() const;
    void InsertRow(const SoundSettingRow& setting) const;
    std::vector<SoundSettingRow> ReadRows() const;
    void OnListDoubleClick(const NMITEMACTIVATE& click);
    void ChooseFileForRow(int row);
};
