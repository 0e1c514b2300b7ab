#include "prefs/general_settings.h"

#include <gtest/gtest.h>

#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
class GeneralSettingsTest : public ::testing::Test {
protected:
    GeneralSettingsTest() {
        core.m_autoNotifyRank = 3;
        core.m_ruleStore.FindOrCreateRule(7).iaLink = 1;
        core.SaveAll();
    }

    FakeOs os;
    CAppCore core;
};

TEST_F(GeneralSettingsTest, FormShowsTheCoreIncludingTheHiddenNoticeSwitches) {
    core.m_autoClockAdjust = false;
    core.m_avoidSoundErrors = 5;
    core.m_newsBalloon = false;
    core.m_noticeSound = false;

    GeneralSettingsForm expected{.rankText = "3",
                                 .autoClockAdjust = false,
                                 .avoidSoundErrors = true,
                                 .newsSound = true,
                                 .newsBalloon = false,
                                 .noticeSound = false,
                                 .noticeBalloon = true};
    EXPECT_EQ(GeneralSettingsFormOf(core), expected);

    core.m_autoNotifyRank = -2;
    EXPECT_EQ(GeneralSettingsFormOf(core).rankText, "-2");
}

TEST_F(GeneralSettingsTest, OkStoresTheFormAndSavesTheSettings) {
    GeneralSettingsForm form{.rankText = "3",
                             .autoClockAdjust = false,
                             .avoidSoundErrors = true,
                             .newsSound = false,
                             .newsBalloon = true,
                             .noticeSound = false,
                             .noticeBalloon = false};

    StoreGeneralSettings(core, form, 3);

    EXPECT_EQ(GeneralSettingsFormOf(core), form);
    EXPECT_EQ(core.m_avoidSoundErrors, 1);
    CAppCore reloaded;
    reloaded.LoadSettings();
    EXPECT_FALSE(reloaded.m_autoClockAdjust);
    EXPECT_EQ(reloaded.m_avoidSoundErrors, 1);
    EXPECT_FALSE(reloaded.m_newsSound);
    EXPECT_TRUE(reloaded.m_newsBalloon);
}

TEST_F(GeneralSettingsTest, TypedRankIsNotLimitedAndTextReadsAsZero) {
    GeneralSettingsForm form = GeneralSettingsFormOf(core);
    form.rankText = "12";
    StoreGeneralSettings(core, form, 3);
    EXPECT_EQ(core.m_autoNotifyRank, 12);
    CAppCore reloaded;
    reloaded.LoadSettings();
    EXPECT_EQ(reloaded.m_autoNotifyRank, 12);

    form.rankText = "abc";
    StoreGeneralSettings(core, form, 12);
    EXPECT_EQ(core.m_autoNotifyRank, 0);
}

TEST_F(GeneralSettingsTest, ChangedRankDropsEveryRuleAndSavesEverything) {
    GeneralSettingsForm form = GeneralSettingsFormOf(core);
    form.rankText = "4";

    StoreGeneralSettings(core, form, 3);

    EXPECT_EQ(core.m_ruleStore.Count(), 0u);
    AutoTradeRuleStore saved;
    saved.LoadRules();
    EXPECT_EQ(saved.Count(), 0u);
}

TEST_F(GeneralSettingsTest, UnchangedRankKeepsTheRules) {
    std::string ruleFile = ReadBytes(RuleFilePath());
    GeneralSettingsForm form = GeneralSettingsFormOf(core);
    form.rankText = "03";
    form.newsSound = false;

    StoreGeneralSettings(core, form, 3);

    EXPECT_NE(core.m_ruleStore.FindRule(7), nullptr);
    EXPECT_EQ(ReadBytes(RuleFilePath()), ruleFile);
}
}  // namespace
