#include "prefs/startup_shortcut.h"

#include <gtest/gtest.h>

#include "tests/support/test_os.h"

namespace {

class StartupShortcutTest : public ::testing::Test {
protected:
    StartupShortcutTest() {
        os.startupFolder = startup.Path().substr(0, startup.Path().size() - 1);
        os.desktopFolder = desktop.Path().substr(0, desktop.Path().size() - 1);
    }

    TempFolder startup;
    TempFolder desktop;
    FakeOs os;
};

TEST_F(StartupShortcutTest, FirstRunCreatesBothShortcutsPointingAtTheProgram) {
    CreateFirstRunShortcuts(true, true);

    std::string expected = os.folder.Path() + "Pelimor.exe||Pelimor|" + os.folder.Path();
    EXPECT_EQ(ReadBytes(startup.Path() + "Pelimor.lnk"), expected);
    EXPECT_EQ(ReadBytes(desktop.Path() + "Pelimor.lnk"), expected);
    EXPECT_EQ(os.questions,
              (std::vector<Question>{
                  {"PelimorをPC起動時に同時起動するように設定しました。", MessageKind::Information},
                  {"Pelimorをデスクトップに作成しました。", MessageKind::Information}}));
}

TEST_F(StartupShortcutTest, FirstRunLeavesExistingShortcutsAloneWithoutAWord) {
    WriteBytes(startup.Path() + "Pelimor.lnk", "mine");
    WriteBytes(desktop.Path() + "Pelimor.lnk", "mine too");

    CreateFirstRunShortcuts(true, true);

    EXPECT_EQ(ReadBytes(startup.Path() + "Pelimor.lnk"), "mine");
    EXPECT_TRUE(os.questions.empty());
}

TEST_F(StartupShortcutTest, FirstRunWithNothingChosenCreatesNothing) {
    CreateFirstRunShortcuts(false, false);
    EXPECT_FALSE(os.PathExists(startup.Path() + "Pelimor.lnk"));
    EXPECT_FALSE(os.PathExists(desktop.Path() + "Pelimor.lnk"));
    EXPECT_TRUE(os.questions.empty());
}

TEST_F(StartupShortcutTest, FailuresAreReportedOnce) {
    os.shortcutsFail = true;
    CreateFirstRunShortcuts(true, true);
    EXPECT_EQ(os.questions,
              (std::vector<Question>{
                  {"PC起動時の同時起動登録に失敗しました。", MessageKind::Ok},
                  {"デスクトップへのショートカット作成に失敗しました。", MessageKind::Ok}}));
}

TEST_F(StartupShortcutTest, RegisteringTwiceSaysItIsAlreadyRegistered) {
    RegisterAtStartup();
    RegisterAtStartup();
    EXPECT_EQ(os.questions,
              (std::vector<Question>{{"スタートアップに登録しました。", MessageKind::Information},
                                     {"既にスタートアップに登録されています。", MessageKind::Ok}}));
}

TEST_F(StartupShortcutTest, UnregisterDeletesTheNewShortcutBeforeTheOldOne) {
    WriteBytes(startup.Path() + "Pelimor.lnk", "new");
    WriteBytes(startup.Path() + "Olverin.lnk", "old");

    UnregisterFromStartup();
    EXPECT_FALSE(os.PathExists(startup.Path() + "Pelimor.lnk"));
    EXPECT_TRUE(os.PathExists(startup.Path() + "Olverin.lnk"));

    UnregisterFromStartup();
    EXPECT_FALSE(os.PathExists(startup.Path() + "Olverin.lnk"));
    EXPECT_EQ(os.questions, std::vector<Question>(2, Question{"スタートアップ解除に成功しました。",
                                                              MessageKind::Information}));
}

TEST_F(StartupShortcutTest, UnregisterWithoutAnyShortcutExplains) {
    UnregisterFromStartup();
    EXPECT_EQ(os.questions,
              (std::vector<Question>{{"スタートアップに登録されていないか登録を検出出来ません。\n"
                                      "登録されている場合には手動で削除してください。\n",
                                      MessageKind::Ok}}));
}

TEST_F(StartupShortcutTest, WithoutAStartupFolderRegistrationFails) {
    os.startupFolder.clear();
    RegisterAtStartup();
    EXPECT_EQ(os.questions,
              (std::vector<Question>{{"スタートアップに登録に失敗しました。", MessageKind::Ok}}));
}

}  // namespace
