#include "prefs/general_settings_win32.h"

#include <commctrl.h>

#include "app/app_core.h"
#include "prefs/startup_shortcut.h"
#include "resources/resource_prefs.h"

namespace {
// The spin button's range; a typed rank may lie outside it.
constexpr int RANK_SPIN_LOW = 0;
constexpr int RANK_SPIN_HIGH = 10;
constexpr COLORREF WARNING_COLOR = RGB(255, 0, 0);
}  // namespace

CSettingDlg::CSettingDlg() : CDialog(IDD_GENERAL_SETTINGS) {}

bool CSettingDlg::OnInitDialog() {
    shownRank_ = theCore.m_autoNotifyRank;
    // The spin button writes its clamped position into the edit, so the rank text comes after
    // it: a typed rank above the range is shown as stored and does not count as a change at OK.
    SendDlgItemMessage(IDC_NOTIFY_RANK_SPIN, UDM_SETRANGE32, RANK_SPIN_LOW, RANK_SPIN_HIGH);
    SendDlgItemMessage(IDC_NOTIFY_RANK_SPIN, UDM_SETPOS32, 0, shownRank_);
    ShowForm(GeneralSettingsFormOf(theCore));
    return true;
}

void CSettingDlg::ShowForm(const GeneralSettingsForm& form) const {
    SetDlgItemText(IDC_NOTIFY_RANK, form.rankText);
    CheckDlgButton(IDC_AUTO_CLOCK_ADJUST, form.autoClockAdjust);
    CheckDlgButton(IDC_NEWS_SOUND, form.newsSound);
    CheckDlgButton(IDC_NEWS_BALLOON, form.newsBalloon);
    CheckDlgButton(IDC_NOTICE_SOUND, form.noticeSound);
    CheckDlgButton(IDC_NOTICE_BALLOON, form.noticeBalloon);
    CheckDlgButton(IDC_AVOID_SOUND_ERRORS, form.avoidSoundErrors);
}

GeneralSettingsForm CSettingDlg::ReadForm() const {
    return {.rankText = GetDlgItemText(IDC_NOTIFY_RANK),
            .autoClockAdjust = IsDlgButtonChecked(IDC_AUTO_CLOCK_ADJUST),
            .avoidSoundErrors = IsDlgButtonChecked(IDC_AVOID_SOUND_ERRORS),
            .newsSound = IsDlgButtonChecked(IDC_NEWS_SOUND),
            .newsBalloon = IsDlgButtonChecked(IDC_NEWS_BALLOON),
            .noticeSound = IsDlgButtonChecked(IDC_NOTICE_SOUND),
            .noticeBalloon = IsDlgButtonChecked(IDC_NOTICE_BALLOON)};
}

void CSettingDlg::OnOK() {
    StoreGeneralSettings(theCore, ReadForm(), shownRank_);
    CDialog::OnOK();
}

bool CSettingDlg::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED) return false;
    switch (LOWORD(wParam)) {
    case IDC_REGISTER_STARTUP: RegisterAtStartup(); return true;
    case IDC_UNREGISTER_STARTUP: UnregisterFromStartup(); return true;
    default: return false;
    }
}

bool CSettingDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC) {
        // The system's colours and brush for every static; the rule warning in red.
        result = Default();
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_RULE_RESET_WARNING)
            SetTextColor(reinterpret_cast<HDC>(wParam), WARNING_COLOR);
        return true;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}
