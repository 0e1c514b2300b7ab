#include "panel/panel_commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/local_time.h"
#include "net/feed_request.h"
#include "prefs/general_settings.h"
#include "resources/resource.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {

std::string FeedLine(const char* name, int rank) {
    return std::string("2013/9/4##21:30##1##") + name + "##0##-##f##p##" + std::to_string(rank) +
           "\n";
}

class PanelCommandsTest : public ::testing::Test {
protected:
    PanelCommandsTest() {
        os.now = FromLocalTime(2013, 9, 1, 12, 0, 0);
        std::string feed;
        for (int rank = 0; rank <= 5; ++rank)
            feed += FeedLine(("Rank" + std::to_string(rank)).c_str(), rank);
        core.m_indicatorStore.Merge(feed, IndicatorFilePath(), 0, core.m_nextIndicatorId);
        core.m_ruleStore.FindOrCreateRule(FirstId()).iaLink = 1;
        core.m_selectedIndicator = FirstId();
        core.SaveAll();
    }

    int32_t FirstId() const { return core.m_indicatorStore.All().front().second.id; }

    // Notify flags by rank, from the store as saved on disk.
    std::string SavedNotifyByRank() const {
        IndicatorStore saved;
        int32_t nextId = 1;
        saved.Load(IndicatorFilePath(), nextId);
        std::string flags(6, '?');
        for (const auto& [when, record] : saved.All())
            flags[record.rank] = record.notify ? '1' : '0';
        return flags;
    }

    FakeOs os;
    CAppCore core;
};

TEST_F(PanelCommandsTest, EraseAsksFirstAndAnythingButYesKeepsEverything) {
    std::string indicatorFile = ReadBytes(IndicatorFilePath());
    std::string ruleFile = ReadBytes(RuleFilePath());
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        os.answer = answer;
        EXPECT_EQ(EraseAndRefetchIndicators(core), PanelEffects{});
    }
    EXPECT_EQ(os.questions, std::vector<Question>(
                                2, Question{"保持している指標データを一度削除し取得し直します。\n"
                                            "過去の分の指標データは失われますがよろしいですか？",
                                            MessageKind::YesNoQuestion}));
    EXPECT_EQ(core.m_indicatorStore.All().size(), 6u);
    EXPECT_EQ(core.m_ruleStore.Count(), 1u);
    EXPECT_EQ(core.m_selectedIndicator, FirstId());
    EXPECT_EQ(ReadBytes(IndicatorFilePath()), indicatorFile);
    EXPECT_EQ(ReadBytes(RuleFilePath()), ruleFile);
}

TEST_F(PanelCommandsTest, EraseOnYesEmptiesAndSavesTheStoresThenFetchesTheIndicatorsAgain) {
    os.answer = MessageAnswer::Yes;
    PanelEffects effects = EraseAndRefetchIndicators(core);

    EXPECT_EQ(effects, (PanelEffects{{PanelEffectKind::RefreshIndicatorPage},
                                     {PanelEffectKind::StartFeedFetch, FEED_INDICATORS}}));
    EXPECT_TRUE(core.m_indicatorStore.All().empty());
    EXPECT_EQ(core.m_ruleStore.Count(), 0u);
    EXPECT_EQ(core.m_selectedIndicator, 0);
    // A restart finds nothing either.
    CAppCore restarted;
    restarted.LoadAll();
    EXPECT_TRUE(restarted.m_indicatorStore.All().empty());
    EXPECT_EQ(restarted.m_ruleStore.Count(), 0u);
}

TEST_F(PanelCommandsTest, ChangedRankThresholdOverridesEveryNotificationAndIsSaved) {
    ASSERT_TRUE(core.m_indicatorStore.SetNotify(FirstId(), false));  // switched off by hand
    GeneralSettingsBefore before = RememberGeneralSettings(core);
    core.m_autoNotifyRank = 3;

    EXPECT_EQ(ApplyGeneralSettings(core, before),
              PanelEffects{{PanelEffectKind::RefreshIndicatorPage}});
    EXPECT_EQ(SavedNotifyByRank(), "000111");

    before = RememberGeneralSettings(core);
    core.m_autoNotifyRank = 0;  // lowering it switches the hand-set one on again
    ApplyGeneralSettings(core, before);
    EXPECT_EQ(SavedNotifyByRank(), "111111");
}

TEST_F(PanelCommandsTest, UnchangedRankKeepsHandSetNotifications) {
    core.m_indicatorStore.SetNotify(FirstId(), false);
    core.m_indicatorStore.Save(IndicatorFilePath());
    GeneralSettingsBefore before = RememberGeneralSettings(core);
    core.m_newsSound = false;  // another setting changed in the dialog

    EXPECT_EQ(ApplyGeneralSettings(core, before), PanelEffects{});
    EXPECT_EQ(SavedNotifyByRank(), "011111");
}

TEST_F(PanelCommandsTest, SimpleSoundModeSwitchedOnResetsEverySoundToItsWavDefault) {
    core.m_soundFiles[5] = "my\\own.mp3";
    core.m_soundFiles[EVENT_NEW_NEWS] = "my\\news.mp3";
    GeneralSettingsBefore before = RememberGeneralSettings(core);
    core.m_avoidSoundErrors = 1;

    EXPECT_EQ(ApplyGeneralSettings(core, before), PanelEffects{});
    EXPECT_EQ(core.m_soundFiles[5], "sound\\default\\6.wav");
    CAppCore restarted;
    restarted.LoadSettings();
    for (int event = 0; event < ALERT_EVENT_COUNT; ++event) {
        EXPECT_EQ(restarted.m_soundFiles[event], DefaultSoundFile(event, SoundMode::SimplePlayer))
            << event;
    }
}

TEST_F(PanelCommandsTest, SoundFilesStayWhenTheSimpleModeIsOffOrWasAlreadyOn) {
    core.m_avoidSoundErrors = 1;
    core.m_soundFiles[5] = "my\\own.wav";
    GeneralSettingsBefore before = RememberGeneralSettings(core);
    ApplyGeneralSettings(core, before);  // stays on
    EXPECT_EQ(core.m_soundFiles[5], "my\\own.wav");

    core.m_avoidSoundErrors = 0;  // switched off: the WAV names are not turned back into MP3
    ApplyGeneralSettings(core, before);
    EXPECT_EQ(core.m_soundFiles[5], "my\\own.wav");
}

TEST_F(PanelCommandsTest, AnyStoredSimpleModeValueIsOnSoOkWithoutChangeKeepsTheSounds) {
    core.m_avoidSoundErrors = 2;  // written by another release; the dialog stores 1 for it
    core.m_soundFiles[5] = "my\\own.wav";
    GeneralSettingsBefore before = RememberGeneralSettings(core);
    StoreGeneralSettings(core, GeneralSettingsFormOf(core), core.m_autoNotifyRank);
    EXPECT_EQ(core.m_avoidSoundErrors, 1);
    ApplyGeneralSettings(core, before);
    EXPECT_EQ(core.m_soundFiles[5], "my\\own.wav");
}

TEST(PanelHelpCommandsTest, ManualIsOpenedFromTheProgramFolder) {
    FakeOs os;
    EXPECT_EQ(ManualPath(), os.folder.Path() + "manual.pdf");
    OpenManual();
    EXPECT_EQ(os.shellOpened, std::vector<std::string>{os.folder.Path() + "manual.pdf|"});
}

TEST(PanelHelpCommandsTest, EachWebPageCommandOpensItsOwnPageOfTheMakersSite) {
    FakeOs os;
    const int commands[] = {ID_WEB_HOME, ID_WEB_SUPPORT,    ID_WEB_FAQ,    ID_WEB_CALENDAR,
                            ID_WEB_NEWS, ID_WEB_METATRADER, ID_WEB_CONTACT};
    std::set<std::string> addresses;
    for (int command : commands) {
        std::string address = MakerWebPageAddress(command);
        EXPECT_EQ(address.rfind("http://www.pelimor.example/", 0), 0u) << command;
        addresses.insert(address);
        OpenMakerWebPage(command);
        EXPECT_EQ(os.shellOpened.back(), address + "|");
    }
    EXPECT_EQ(addresses.size(), std::size(commands));
}

TEST(PanelHelpCommandsTest, OtherCommandsOpenNoWebPage) {
    FakeOs os;
    for (int command : {0, ID_EXIT, ID_SHOW_HIDE, ID_HELP_MANUAL, ID_DEVELOPER_TEST}) {
        EXPECT_EQ(MakerWebPageAddress(command), "") << command;
        OpenMakerWebPage(command);
    }
    EXPECT_TRUE(os.shellOpened.empty());
}

}  // namespace
