#include "prefs/general_settings.h"

#include "base/byte_text.h"
#include "base/field_codec.h"

GeneralSettingsForm GeneralSettingsFormOf(const CAppCore& core) {
    return {.rankText = FormatText("%d", core.m_autoNotifyRank),
            .autoClockAdjust = core.m_autoClockAdjust,
            .avoidSoundErrors = core.m_avoidSoundErrors != 0,
            .newsSound = core.m_newsSound,
            .newsBalloon = core.m_newsBalloon,
            .noticeSound = core.m_noticeSound,
            .noticeBalloon = core.m_noticeBalloon};
}

void StoreGeneralSettings(CAppCore& core, const GeneralSettingsForm& form, int32_t shownRank) {
    core.m_autoNotifyRank = ReadDecimal(form.rankText);
    core.m_autoClockAdjust = form.autoClockAdjust;
    core.m_avoidSoundErrors = form.avoidSoundErrors ? 1 : 0;
    core.m_newsSound = form.newsSound;
    core.m_newsBalloon = form.newsBalloon;
    core.m_noticeSound = form.noticeSound;
    core.m_noticeBalloon = form.noticeBalloon;
    core.SaveSettings();
    if (core.m_autoNotifyRank != shownRank) {
        core.m_ruleStore.ClearRules();
        core.SaveAll();
    }
}
