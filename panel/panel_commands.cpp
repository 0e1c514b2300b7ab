#include "panel/panel_commands.h"

#include "base/os.h"
#include "net/feed_request.h"
#include "resources/resource.h"
#include "store/local_files.h"

namespace {

// Every page of the maker's site that the program links to, under one base.
constexpr const char* MAKER_SITE = "http://www.pelimor.example/";

struct WebPage {
    int command;
    const char* path;  // below MAKER_SITE
};

constexpr WebPage MAKER_WEB_PAGES[] = {
    {ID_WEB_HOME, ""},
    {ID_WEB_SUPPORT, "support/"},
    {ID_WEB_FAQ, "faq/"},
    {ID_WEB_CALENDAR, "calendar/"},
    {ID_WEB_NEWS, "news/"},
    {ID_WEB_METATRADER, "mt4/"},
    {ID_WEB_CONTACT, "contact/"},
};

}  // namespace

PanelEffects EraseAndRefetchIndicators(CAppCore& core) {
    if (Os().AskUser(ERASE_INDICATORS_QUESTION, MessageKind::YesNoQuestion) != MessageAnswer::Yes)
        return {};
    core.m_selectedIndicator = 0;
    core.m_ruleStore.ClearRules();
    core.m_indicatorStore.Clear();
    core.SaveAll();
    return {{PanelEffectKind::RefreshIndicatorPage},
            {PanelEffectKind::StartFeedFetch, FEED_INDICATORS}};
}

GeneralSettingsBefore RememberGeneralSettings(const CAppCore& core) {
    return {.autoNotifyRank = core.m_autoNotifyRank, .simplePlayer = core.m_avoidSoundErrors != 0};
}

PanelEffects ApplyGeneralSettings(CAppCore& core, const GeneralSettingsBefore& before) {
    PanelEffects effects;
    if (core.m_autoNotifyRank != before.autoNotifyRank) {
        core.m_indicatorStore.ApplyThreshold(core.m_autoNotifyRank);
        core.m_indicatorStore.Save(IndicatorFilePath());
        effects.push_back({PanelEffectKind::RefreshIndicatorPage});
    }
    // By meaning: the dialog stores 1 for a stored 2, which is no change of mode.
    if (core.m_avoidSoundErrors != 0 && !before.simplePlayer) {
        // The simple player cannot play MP3: a settings file that names the simple mode with MP3
        // sounds would stay silent after an abrupt end, so the WAV names are saved now.
        core.UseDefaultSounds(SoundMode::SimplePlayer);
        core.SaveSettings();
    }
    return effects;
}

std::string ManualPath() { return ProgramFolderPath() + "manual.pdf"; }

void OpenManual() { Os().OpenWithShell(ManualPath(), ""); }

std::string MakerWebPageAddress(int command) {
    for (const WebPage& page : MAKER_WEB_PAGES)
        if (page.command == command) return std::string(MAKER_SITE) + page.path;
    return "";
}

void OpenMakerWebPage(int command) {
    std::string address = MakerWebPageAddress(command);
    if (!address.empty()) Os().OpenWithShell(address, "");
}
