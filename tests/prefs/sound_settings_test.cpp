#include "prefs/sound_settings.h"

#include <gtest/gtest.h>

#include "tests/support/test_os.h"

namespace {
using namespace std::string_literals;

class SoundSettingsTest : public ::testing::Test {
protected:
    FakeOs os;
    CAppCore core;
};

TEST_F(SoundSettingsTest, RowsShowEveryEventInOrder) {
    core.SetEventEnabled(0, false);
    core.m_soundFiles[22] = "D:\\tones\\signal.wav";

    std::vector<SoundSettingRow> rows = SoundSettingRowsOf(core);

    ASSERT_EQ(rows.size(), 23u);
    EXPECT_EQ(rows[0], (SoundSettingRow{false, "１分前", "sound\\default\\1.mp3"}));
    EXPECT_EQ(rows[1], (SoundSettingRow{true, "２分前", "sound\\default\\2.mp3"}));
    EXPECT_EQ(rows[17], (SoundSettingRow{true, "お知らせ前", "sound\\default\\aprev.wav"}));
    EXPECT_EQ(rows[22], (SoundSettingRow{true, "シグナル着信時", "D:\\tones\\signal.wav"}));
}

TEST_F(SoundSettingsTest, OkStoresEveryRowAndSavesTheSettings) {
    std::vector<SoundSettingRow> rows = SoundSettingRowsOf(core);
    rows[0].enabled = false;
    rows[5].file = "sound\\my\\a.wav";

    EXPECT_TRUE(StoreSoundSettings(core, rows));

    EXPECT_EQ(core.m_eventMask, 0x7FFFFEu);
    EXPECT_EQ(core.m_soundFiles[5], "sound\\my\\a.wav");
    CAppCore reloaded;
    reloaded.LoadSettings();
    EXPECT_FALSE(reloaded.IsEventEnabled(0));
    EXPECT_TRUE(reloaded.IsEventEnabled(1));
    EXPECT_EQ(reloaded.m_soundFiles, core.m_soundFiles);
}

TEST_F(SoundSettingsTest, OkReenablesAndMissingRowsKeepTheirEvents) {
    core.m_eventMask = 0;
    std::vector<SoundSettingRow> rows(2, SoundSettingRow{true, "", "x.wav"});

    StoreSoundSettings(core, rows);

    EXPECT_EQ(core.m_eventMask, 0x3u);
    EXPECT_EQ(core.m_soundFiles[1], "x.wav");
    EXPECT_EQ(core.m_soundFiles[2], "sound\\default\\3.mp3");
}

TEST_F(SoundSettingsTest, SimpleSoundModeOffersWavOnly) {
    EXPECT_EQ(SoundFileFilter(core), "wav(*.wav)\0*.wav\0mp3(*.mp3)\0*.mp3\0\0"s);
    core.m_avoidSoundErrors = 1;
    EXPECT_EQ(SoundFileFilter(core), "wav(*.wav)\0*.wav\0\0"s);
}

class InstalledOs : public FakeOs {
public:
    std::string ProgramFolder() override { return "C:\\Program Files\\Pelimor\\"; }
};

TEST(ChosenSoundFile, StoresTheProgramRelativePathAndRemembersTheFolder) {
    InstalledOs os;
    std::string lastFolder;

    EXPECT_EQ(TakeChosenSoundFile("C:\\Program Files\\Pelimor\\sound\\my\\a.wav", lastFolder),
              "sound\\my\\a.wav");
    EXPECT_EQ(lastFolder, "C:\\Program Files\\Pelimor\\sound\\my");

    EXPECT_EQ(TakeChosenSoundFile("E:\\tones\\b.mp3", lastFolder), "E:\\tones\\b.mp3");
    EXPECT_EQ(lastFolder, "E:\\tones");
}

TEST(ChosenSoundFile, SecondByteOfADoubleByteCharacterIsNoSeparator) {
    InstalledOs os;
    std::string lastFolder;
    // "表" is 0x95 0x5C.
    TakeChosenSoundFile("E:\\tones\\表.wav", lastFolder);
    EXPECT_EQ(lastFolder, "E:\\tones");
}
}  // namespace
