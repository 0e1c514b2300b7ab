#include "app/app_core.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/byte_text.h"
#include "tests/support/test_os.h"

namespace {
class Startup : public ::testing::Test {
protected:
    std::string SettingsPath() const {
        return os.folder.Path() + "setting" + PathSeparator() + "iasetting.dat";
    }
    void WriteSettings(const std::string& firstLine) {
        Os().CreateFolder(os.folder.Path() + "setting");
        WriteBytes(SettingsPath(), firstLine + "\r\n");
    }
    std::string SettingFile(const char* name) const {
        return os.folder.Path() + "setting" + PathSeparator() + name;
    }
    void WriteNewsFiles() {
        Os().CreateFolder(os.folder.Path() + "setting");
        WriteBytes(SettingFile("ianews.dat"), "00000001\a65000000\aNotice\aBody\a00000001\a\r\n");
        WriteBytes(SettingFile("iasnews.dat"), "00000002\a65000000\aNews\aBody\a00000001\a\r\n");
    }
    std::string SavedGeneralField(int index) {
        std::vector<std::string> lines = SplitLines(ReadBytes(SettingsPath()));
        std::string field;
        if (!lines.empty()) FieldAt(lines[0], index, "\a", field);
        return field;
    }

    FakeOs os;
    CAppCore core;
};

TEST_F(Startup, ASecondInstanceIsToldAndStopsWithoutTouchingTheFiles) {
    os.otherInstanceRunning = true;
    EXPECT_FALSE(core.Startup(""));
    EXPECT_EQ(os.questions,
              (std::vector<Question>{{"既にツールが起動しています。", MessageKind::Ok}}));
    EXPECT_FALSE(Os().PathExists(SettingsPath()));
    EXPECT_FALSE(core.m_instanceMutex);
}

TEST_F(Startup, TheFirstRunWritesADefaultSettingsFile) {
    ASSERT_TRUE(core.Startup(""));
    EXPECT_TRUE(core.m_firstRun);
    EXPECT_TRUE(os.questions.empty());
    EXPECT_TRUE(Os().PathExists(SettingsPath()));
    EXPECT_EQ(SavedGeneralField(8), "00000C1C");
    EXPECT_EQ(core.m_fileVersion, 0);
}

TEST_F(Startup, ALaterRunLoadsAndRewritesTheFileInTheCurrentFormat) {
    WriteSettings(
        "00000010\a00000020\a00000000\a00000000\a00000000\a00000000\a00000000\a"
        "00000000\a000003EE\a00000005\a60000000\a");
    ASSERT_TRUE(core.Startup(""));
    EXPECT_FALSE(core.m_firstRun);
    EXPECT_EQ(core.m_windowLeft, 16);
    EXPECT_EQ(core.m_nextIndicatorId, 5);
    EXPECT_EQ(core.m_fileVersion, 1006);  // what the file said, until the next start
    EXPECT_EQ(SavedGeneralField(8), "00000C1C");
    EXPECT_EQ(SplitLines(ReadBytes(SettingsPath())).size(), 6u);
}

TEST_F(Startup, OnlyTheExactUpdaterArgumentRecordsTheUpdate) {
    os.now = 0x1'2345'6789;
    for (const char* commandLine : {"BYUPDATER", "byupdater x", " byupdater", "byupdate", ""}) {
        CAppCore other;
        ASSERT_TRUE(other.Startup(commandLine));
        EXPECT_EQ(other.m_updatedAt, 0) << commandLine;
        EXPECT_EQ(SavedGeneralField(7), "00000000") << commandLine;
    }
    ASSERT_TRUE(core.Startup("byupdater"));
    EXPECT_EQ(core.m_updatedAt, 0x1'2345'6789);
    EXPECT_EQ(SavedGeneralField(7), "23456789");
}

TEST_F(Startup, NoticesBesideAnOldSettingsFileAreDroppedOnce) {
    WriteSettings("\a\a\a\a\a\a\a\a000003EE\a");
    WriteNewsFiles();
    ASSERT_TRUE(core.Startup(""));
    EXPECT_EQ(core.m_noticeStore.Count(), 0);
    EXPECT_EQ(core.m_newsStore.Count(), 1);
    EXPECT_EQ(ReadBytes(SettingFile("ianews.dat")), "");

    WriteNewsFiles();
    CAppCore next;
    next.LoadAll();
    EXPECT_EQ(next.m_noticeStore.Count(), 1);
}

TEST_F(Startup, NoticesBesideANewerSettingsFileStay) {
    WriteSettings("\a\a\a\a\a\a\a\a000003EF\a");
    WriteNewsFiles();
    ASSERT_TRUE(core.Startup(""));
    EXPECT_EQ(core.m_noticeStore.Count(), 1);
}

TEST_F(Startup, AStartThatEndedAtTheTermsLeavesTheNextStartAFirstRun) {
    // What a first start whose terms were declined leaves: a settings file, no acceptance.
    ASSERT_TRUE(core.Startup(""));
    ASSERT_TRUE(Os().PathExists(SettingsPath()));
    core.Reset();
    CAppCore next;
    ASSERT_TRUE(next.Startup(""));
    EXPECT_TRUE(next.m_firstRun);

    // Once a start has passed the terms (their time saved with the panel), the next is none.
    next.m_termsAcceptedAt = 0x60000000;
    ASSERT_TRUE(next.SaveSettings());
    next.Reset();
    CAppCore later;
    ASSERT_TRUE(later.Startup(""));
    EXPECT_FALSE(later.m_firstRun);
}

TEST_F(Startup, AFirstStartDropsNoticesLeftFromBefore) {
    WriteNewsFiles();
    ASSERT_TRUE(core.Startup(""));
    EXPECT_TRUE(core.m_firstRun);
    EXPECT_EQ(core.m_noticeStore.Count(), 0);
    EXPECT_EQ(core.m_newsStore.Count(), 1);
}

// Records the file name of every completed save.
class SaveRecordingOs : public FakeOs {
public:
    bool MoveFileOver(const std::string& source, const std::string& target) override {
        saved.push_back(std::filesystem::path(target).filename().string());
        return OsSeam::MoveFileOver(source, target);
    }
    std::vector<std::string> saved;
};

TEST(StartupFiles, EveryFileIsRewrittenInItsOrder) {
    SaveRecordingOs os;
    CAppCore core;
    ASSERT_TRUE(core.Startup("byupdater"));
    EXPECT_EQ(os.saved, (std::vector<std::string>{"iasetting.dat", "iaindex2.dat", "ianews.dat",
                                                  "iasnews.dat", "iaacm.dat", "iasetting.dat"}));
}

TEST(StartupFiles, AStartFromNothingWritesEveryFile) {
    FakeOs os;
    CAppCore core;
    ASSERT_TRUE(core.Startup(""));
    for (const char* name :
         {"iasetting.dat", "iaindex2.dat", "ianews.dat", "iasnews.dat", "iaacm.dat"}) {
        EXPECT_TRUE(Os().PathExists(os.folder.Path() + "setting" + PathSeparator() + name)) << name;
    }
}

TEST_F(Startup, FilesComeBackInTheCurrentFormatWithTheIdCounterTheyNeed) {
    // Next id 5 in the settings; the indicator file holds id 5 and a record without an id, in
    // reverse time order, with bare LF line ends and lower-case digits.
    WriteSettings("\a\a\a\a\a\a\a\a00000C1C\a00000005\a");
    WriteBytes(SettingFile("iaindex2.dat"),
               "65600000\aLater\a\a\a\a1\a2\a0\a0\a1\a5\a\n"
               "65500000\aEarlier\a1.5%\a\a1.2%\a0000000a\a3\a0\a0\a0\a0\a\n");
    WriteBytes(SettingFile("iasnews.dat"), "2\a65000000\aNews\aBody\a1\a\n");
    WriteBytes(SettingFile("iaacm.dat"), "5\a1\a\n");
    ASSERT_TRUE(core.Startup(""));

    // The record without an id took the first free one after the counter, and the settings,
    // written after the indicators were loaded, carry the counter past it.
    EXPECT_EQ(ReadBytes(SettingFile("iaindex2.dat")),
              "65500000\aEarlier\a1.5%\a\a1.2%\a0000000A\a00000003\a00000000\a00000000\a"
              "00000000\a00000006\a\r\n"
              "65600000\aLater\a\a\a\a00000001\a00000002\a00000000\a00000000\a00000001\a"
              "00000005\a\r\n");
    EXPECT_EQ(core.m_nextIndicatorId, 7);
    EXPECT_EQ(SavedGeneralField(9), "00000007");
    EXPECT_EQ(ReadBytes(SettingFile("iasnews.dat")),
              "00000002\a65000000\aNews\aBody\a00000001\a\r\n");
    EXPECT_EQ(ReadBytes(SettingFile("iaacm.dat")).substr(0, 18), "00000005\a00000001\a");
    EXPECT_EQ(ReadBytes(SettingFile("iaacm.dat")).substr(9 * 9), "\r\n");
}

TEST_F(Startup, NoNewIndicatorTakesTheIdOfARuleWhoseAnnouncementIsGone) {
    // The counter was reset (the settings file was lost) while rules for ids 1 and 2 stayed.
    WriteSettings("\a\a\a\a\a\a\a\a00000C1C\a00000001\a");
    WriteBytes(SettingFile("iaacm.dat"), "1\a1\a\r\n2\a1\a\r\n");
    WriteBytes(SettingFile("iaindex2.dat"), "65600000\aNo id yet\a\a\a\a1\a2\a0\a0\a1\a0\a\r\n");
    ASSERT_TRUE(core.Startup(""));
    ASSERT_EQ(core.m_indicatorStore.All().size(), 1u);
    EXPECT_EQ(core.m_indicatorStore.All()[0].second.id, 3);

    core.m_indicatorStore.MergeInMemory("2023/11/20##21:30##1##Arrived later##0##r##f##p##3\n", 0,
                                        core.m_nextIndicatorId);
    std::set<int32_t> ids;
    for (const auto& [when, record] : core.m_indicatorStore.All()) ids.insert(record.id);
    EXPECT_EQ(ids, (std::set<int32_t>{3, 4}));
    EXPECT_EQ(core.m_ruleStore.Count(), 2u);
}

TEST_F(Startup, ResetEmptiesTheFeedStoresKeepsTheRulesAndReleasesTheLock) {
    WriteSettings("\a\a\a\a\a\a\a\a00000C1C\a");
    WriteNewsFiles();
    ASSERT_TRUE(core.Startup(""));
    core.m_ruleStore.FindOrCreateRule(7);
    ASSERT_EQ(core.m_newsStore.Count(), 1);
    ASSERT_EQ(core.m_noticeStore.Count(), 1);
    EXPECT_TRUE(os.lockHeld);

    core.Reset();
    EXPECT_EQ(core.m_newsStore.Count(), 0);
    EXPECT_EQ(core.m_noticeStore.Count(), 0);
    EXPECT_EQ(core.m_ruleStore.Count(), 1u);
    EXPECT_FALSE(os.lockHeld);
    EXPECT_FALSE(core.m_instanceMutex);
}
}  // namespace
