#include "panel/panel_command_router_win32.h"

#include "app/app_core.h"
#include "app/developer_test.h"
#include "app/update_check.h"
#include "framework/open_dialog.h"
#include "metatrader_dialogs/auto_ba_dlg_win32.h"
#include "metatrader_dialogs/auto_ba_set_dlg_win32.h"
#include "metatrader_dialogs/signal_trade_dlg_win32.h"
#include "metatrader_dialogs/test_dlg_win32.h"
#include "panel/page_layout.h"
#include "panel/panel_commands.h"
#include "panel/tray_icon_win32.h"
#include "prefs/general_settings_win32.h"
#include "prefs/sound_setting_dlg_win32.h"
#include "resources/resource.h"
#include "welcome/about_dlg_win32.h"
#include "welcome/first_dlg_win32.h"

PanelEffects PanelCommandRouter::Run(int command) {
    if (!CommandOpensDialog(command)) return Perform(command);
    if (dialogs_.Open()) {
        BringDialogToFront();
        return {};
    }
    DialogGate::Scope open(dialogs_);
    return Perform(command);
}

PanelEffects PanelCommandRouter::ShowPanelMenu() {
    if (dialogs_.Open()) {
        BringDialogToFront();
        return {};
    }
    int command = 0;
    {
        DialogGate::MenuScope open(dialogs_);
        command = TrackPanelMenu(panel_);
    }
    return Run(command);
}

void PanelCommandRouter::BringDialogToFront() const {
    HWND dialog = FindOpenDialog(panel_);
    if (!dialog) return;
    SetForegroundWindow(dialog);
    BringWindowToTop(dialog);
}

void PanelCommandRouter::AskPendingUpdateQuestion() {
    if (!pendingUpdate_ || !dialogs_.QuestionMayOpen()) return;
    const UpdateCheckAnswer answer = *pendingUpdate_;
    pendingUpdate_.reset();
    DialogGate::Scope open(dialogs_);
    AskAboutUpdate(theCore, answer, leaveDesktop_);
}

PanelEffects PanelCommandRouter::Perform(int command) {
    switch (command) {
    case ID_SHOW_HIDE: return {{PanelEffectKind::TogglePanel}};
    case ID_RUN_SETUP: CFirstDlg().DoModal(); return {};
    case ID_RESET_INDICATORS: return EraseAndRefetchIndicators(theCore);
    case ID_SOUND_SETTINGS: CSoundSettingDlg().DoModal(); return {};
    case ID_GENERAL_SETTINGS: {
        GeneralSettingsBefore before = RememberGeneralSettings(theCore);
        if (CSettingDlg().DoModal() != IDOK) return {};
        return ApplyGeneralSettings(theCore, before);
    }
    case ID_HELP_MANUAL: OpenManual(); return {};
    case ID_ABOUT: CAboutDlg().DoModal(); return {};
    case ID_CHECK_UPDATE: return {{PanelEffectKind::StartUpdateCheck}};
    case ID_FORCED_UPDATE: StartForcedUpdate(); return {{PanelEffectKind::Quit}};
    case ID_EXIT: return {{PanelEffectKind::Quit}};
    case ID_SHOW_SIGNALS: return {{PanelEffectKind::ShowPage, PAGE_SIGNALS}};
    case ID_EA_SETUP: CAutoBADlg().DoModal(); return {};
    case ID_SIGNAL_COPY: CSignalTradeDlg().DoModal(); return {};
    case ID_AUTO_TRADE_RULES: CAutoBASetDlg().DoModal(); return {};
    case ID_DEVELOPER_TEST:
        CTestDlg().DoModal();
        AddTestIndicator(theCore);
        return {{PanelEffectKind::RefreshIndicatorPage}};
    default: OpenMakerWebPage(command); return {};
    }
}
