// What the general settings dialog shows and stores.
//
// Changing the rank threshold drops every auto-trade rule: the rules were chosen for the
// announcements the old threshold marked, and the dialog warns about it in red.
#pragma once

#include <cstdint>
#include <string>

#include "app/app_core.h"

struct GeneralSettingsForm {
    std::string rankText;  // the rank edit's text
    bool autoClockAdjust = false;
    bool avoidSoundErrors = false;
    bool newsSound = false;
    bool newsBalloon = false;
    bool noticeSound = false;
    bool noticeBalloon = false;

    bool operator==(const GeneralSettingsForm&) const = default;
};

// The form as the dialog opens: the core's values, the rank as a signed decimal number.
GeneralSettingsForm GeneralSettingsFormOf(const CAppCore& core);

// OK: the form goes into the core and the settings file is saved. The rank text reads as a
// signed decimal number (leading digits; text without any reads as 0) and is not limited to the
// spin button's range. When the rank differs from shownRank, the rank the dialog opened with,
// every auto-trade rule is dropped and everything is saved.
void StoreGeneralSettings(CAppCore& core, const GeneralSettingsForm& form, int32_t shownRank);
