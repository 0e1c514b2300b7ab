// What the panel menu's data and help commands do.
//
// Each operation changes the core and its files itself and returns what the panel window must do
// afterwards (refresh the indicator page, start a download); the window carries that out.
// Dialogs run in the command router; these operations only take what they left behind.
#pragma once

#include <cstdint>
#include <string>

#include "app/app_core.h"
#include "app/panel_effect.h"

// The question asked before the stored indicators are dropped.
inline constexpr const char* ERASE_INDICATORS_QUESTION =
    "保持している指標データを一度削除し取得し直します。\n"
    "過去の分の指標データは失われますがよろしいですか？";

// Asks the user; on Yes drops the selection, every stored indicator and every auto-trade rule,
// saves everything, and has the list refilled and the indicator feed fetched afresh. Any other
// answer changes nothing.
PanelEffects EraseAndRefetchIndicators(CAppCore& core);

// The general settings as they were before the dialog ran.
struct GeneralSettingsBefore {
    int32_t autoNotifyRank = 0;
    bool simplePlayer = false;  // any stored non-zero sound-mode value means the simple player
};
GeneralSettingsBefore RememberGeneralSettings(const CAppCore& core);

// After the general settings dialog was confirmed: a changed rank threshold is applied to every
// stored indicator (hand-set notifications included) and the list refilled; the simple sound
// mode switched on puts every sound back to its WAV default. Switching it off keeps the files.
// Whatever changed is saved at once, so the files never disagree with the settings.
PanelEffects ApplyGeneralSettings(CAppCore& core, const GeneralSettingsBefore& before);

// "manual.pdf" in the program folder.
std::string ManualPath();
// Opens the manual with the shell; a missing file simply opens nothing.
void OpenManual();

// The address a maker's web-page command opens; "" for any other command.
std::string MakerWebPageAddress(int command);
// Opens the command's web page with the shell; other commands do nothing.
void OpenMakerWebPage(int command);
