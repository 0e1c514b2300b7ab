// The expert-advisor and signal-copy setup dialogs, without their windows.

#include <gtest/gtest.h>

#include "base/byte_text.h"
#include "metatrader/signal_copy_ea.h"
#include "metatrader_dialogs/ea_setup_fields.h"
#include "metatrader_dialogs/signal_copy_setup.h"
#include "tests/metatrader/folder_tree.h"

namespace {
const std::string VERIFIED =
    "状態検証が完了しました。\n各インストール先の下部に状態が表示されます。\n";
const std::string INSTALLED =
    "ファイルの導入が完了しました。\nこの後必ずMT4にて、該当EAを有効にして下さい。\n";

class SetupDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shipped.Install(os.folder.Path())) << "shipped files missing beside the test";
    }

    // A terminal data folder with the folders the expert advisors' files go into.
    std::string Terminal(const std::string& name, bool newLayout) {
        const std::string folder = MakeFolder(terminals.Path(), name);
        const std::string root = newLayout ? MakeFolder(folder, "MQL4") : folder;
        MakeFolder(root, std::string("experts") + PathSeparator() + "libraries");
        MakeFolder(root, "libraries");
        MakeFolder(root, "Files");
        return folder;
    }

    std::vector<std::string> SavedLines() const {
        return SplitLines(
            ReadBytes(os.folder.Path() + "setting" + PathSeparator() + "iasetting.dat"));
    }

    ShippedEaFiles shipped;
    FakeOs os;
    TempFolder terminals;
    CAppCore core;
};
}  // namespace

TEST_F(SetupDialogsTest, SetupInstallsIntoEveryNamedFolderAndTellsTheUserTwice) {
    const char s = PathSeparator();
    const std::string newTerminal = Terminal("new", true);
    const std::string oldTerminal = Terminal("old", false);
    const TerminalFolderFields fields{newTerminal, "", PairedEntry("C:\\MT4", oldTerminal)};

    const EaSetupReport before = VerifyEaFolders(fields, false);
    EXPECT_EQ(before.statusTexts[0], "DLLファイルが存在しません。");
    EXPECT_TRUE(before.notices.empty());

    const EaSetupReport report = InstallEaFiles(fields);
    EXPECT_EQ(report.statusTexts[0], "状態は正常です");
    EXPECT_EQ(report.statusTexts[1], "DLLファイルが存在しません。");  // the empty row is skipped
    EXPECT_EQ(report.statusTexts[2], "状態は正常です");
    EXPECT_EQ(report.notices, (std::vector<std::string>{VERIFIED, INSTALLED}));
    const std::string newRoot = newTerminal + "MQL4" + s;
    EXPECT_EQ(ReadBytes(newRoot + "libraries" + s + "qzea.dll"), shipped["qzea.dll"]);
    EXPECT_EQ(ReadBytes(newRoot + "experts" + s + "QZEA_TT.ex4"), shipped["QZEA_TT.ex4"]);
    EXPECT_EQ(ReadBytes(oldTerminal + "experts" + s + "libraries" + s + "qzea.dll"),
              shipped["qzea.dll"]);
    EXPECT_EQ(ReadBytes(oldTerminal + "experts" + s + "QZEA.ex4"), shipped["QZEA.ex4"]);
    EXPECT_TRUE(os.questions.empty());  // the dialog shows the notices after the status lines
}

TEST_F(SetupDialogsTest, VerificationReportsEachRowAndNotesItWhenAsked) {
    const char s = PathSeparator();
    const std::string terminal = Terminal("t", true);
    InstallEaFiles({terminal, terminal, ""});
    WriteBytes(terminal + "MQL4" + s + "experts" + s + "QZEA_TT.ex4", "altered");

    const EaSetupReport report = VerifyEaFolders({terminal, terminals.Path() + "none", ""}, true);
    EXPECT_EQ(report.statusTexts[0], "EX4ファイル(TT)が正しくありません。");
    EXPECT_EQ(report.statusTexts[1], "DLLファイルが存在しません。");
    EXPECT_EQ(report.notices, std::vector<std::string>{VERIFIED});
}

TEST_F(SetupDialogsTest, StoredTerminalFoldersAreSavedAndReadBack) {
    const TerminalFolderFields fields{"C:\\MT4\\", "", "C:\\Program Files\\MT4|D:\\Data"};
    StoreTerminalFolders(core, fields);

    EXPECT_EQ(core.m_terminalFolders, fields);
    EXPECT_EQ(SavedLines().at(2), "\a\aC:\\MT4\\\a\aC:\\Program Files\\MT4|D:\\Data\a");
    CAppCore restarted;
    restarted.LoadSettings();
    EXPECT_EQ(restarted.m_terminalFolders, fields);
}

TEST_F(SetupDialogsTest, SignalCopySetupInstallsTheEaIntoTheFieldsFolder) {
    const char s = PathSeparator();
    const std::string terminal = Terminal("t", false);
    EXPECT_EQ(SignalCopyStatus(terminal), "QZGI.ex4ファイルが存在しません。");

    EXPECT_EQ(InstallSignalCopyEa(terminal), "状態は正常です。");
    EXPECT_EQ(ReadBytes(terminal + "experts" + s + "QZGI.ex4"), shipped["QZGI.ex4"]);
    EXPECT_EQ(InstallSignalCopyEa(""), "QZGI.ex4ファイルが存在しません。");
    EXPECT_TRUE(os.questions.empty());
}

TEST_F(SetupDialogsTest, ClosingTheSignalCopyDialogDecidesWhetherSignalsAreCopied) {
    const char s = PathSeparator();
    const std::string ready = Terminal("ready", true);
    InstallSignalCopyEa(ready);
    const std::string altered = Terminal("altered", true);
    InstallSignalCopyEa(altered);
    WriteBytes(altered + "MQL4" + s + "experts" + s + "QZGI.ex4", "altered");

    StoreSignalCopyFolder(core, ready);
    EXPECT_EQ(core.m_signalCopyReady, QZGI_CORRECT);
    EXPECT_EQ(core.m_signalCopyFolder, ready);
    EXPECT_EQ(SavedLines().at(5), ready + "\a\a");

    StoreSignalCopyFolder(core, altered);
    EXPECT_EQ(core.m_signalCopyReady, QZGI_WRONG);
    StoreSignalCopyFolder(core, "");
    EXPECT_EQ(core.m_signalCopyReady, QZGI_MISSING);
    EXPECT_EQ(SavedLines().at(5), "\a\a");
}
