#include "metatrader/ea_deployment.h"

#include <gtest/gtest.h>

#include "tests/metatrader/folder_tree.h"

namespace {
class EaDeploymentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shipped.Install(os.folder.Path())) << "shipped files missing beside the test";
    }

    // A terminal data folder with the folders the expert advisor's files go into.
    std::string Terminal(const std::string& name, bool newLayout) {
        const std::string folder = MakeFolder(terminals.Path(), name);
        const char separator = PathSeparator();
        if (newLayout) {
            MakeFolder(folder, std::string("MQL4") + separator + "libraries");
            MakeFolder(folder, std::string("MQL4") + separator + "experts");
        } else {
            MakeFolder(folder, std::string("experts") + separator + "libraries");
        }
        return folder;
    }

    ShippedEaFiles shipped;
    FakeOs os;
    TempFolder terminals;
};
}  // namespace

TEST_F(EaDeploymentTest, PathsFollowTheNewAndTheOldLayout) {
    const char s = PathSeparator();
    const std::string newTerminal = Terminal("new", true);
    const EaFileSet newSet = EaFileSetFor(newTerminal);
    EXPECT_EQ(newSet.library, newTerminal + "MQL4" + s + "libraries" + s + "qzea.dll");
    EXPECT_EQ(newSet.ea, newTerminal + "MQL4" + s + "experts" + s + "QZEA.ex4");
    EXPECT_EQ(newSet.eaTt, newTerminal + "MQL4" + s + "experts" + s + "QZEA_TT.ex4");

    const std::string oldTerminal = Terminal("old", false);
    const EaFileSet oldSet = EaFileSetFor(oldTerminal);
    EXPECT_EQ(oldSet.library, oldTerminal + "experts" + s + "libraries" + s + "qzea.dll");
    EXPECT_EQ(oldSet.ea, oldTerminal + "experts" + s + "QZEA.ex4");
    EXPECT_EQ(oldSet.eaTt, oldTerminal + "experts" + s + "QZEA_TT.ex4");

    const EaFileSet none = EaFileSetFor("");
    EXPECT_EQ(none.library + none.ea + none.eaTt, "");
}

TEST_F(EaDeploymentTest, SetupInstallsTheShippedFilesThatThenVerify) {
    for (bool newLayout : {true, false}) {
        const std::string terminal = Terminal(newLayout ? "new" : "old", newLayout);
        SetupEaFiles(terminal);
        const EaFileSet installed = EaFileSetFor(terminal);
        EXPECT_EQ(ReadBytes(installed.library), shipped["qzea.dll"]);
        EXPECT_EQ(ReadBytes(installed.ea), shipped["QZEA.ex4"]);
        EXPECT_EQ(ReadBytes(installed.eaTt), shipped["QZEA_TT.ex4"]);
        EXPECT_EQ(CheckEaFiles(installed), EaCheckResult::AllCorrect);
        EXPECT_STREQ(EaCheckText(CheckEaFiles(installed)), "状態は正常です");
    }
}

TEST_F(EaDeploymentTest, APairedEntryInstallsIntoTheDataFolderOnly) {
    const std::string installation = Terminal("installation", true);
    const std::string data = Terminal("data", true);
    // A data folder from origin.txt comes without its trailing separator.
    const TerminalFolderEntry entry = PairedEntry(installation, data.substr(0, data.size() - 1));
    SetupEaFiles(entry);
    EXPECT_EQ(CheckEaFiles(EaFileSetFor(entry)), EaCheckResult::AllCorrect);
    EXPECT_EQ(EaFileSetFor(entry).ea, EaFileSetFor(data).ea);
    EXPECT_EQ(CheckEaFiles(EaFileSetFor(installation)), EaCheckResult::LibraryMissing);
}

TEST_F(EaDeploymentTest, ReportsTheFirstMissingOrWrongFileInTurn) {
    const std::string terminal = Terminal("t", false);
    SetupEaFiles(terminal);
    const EaFileSet files = EaFileSetFor(terminal);

    std::string altered = shipped["QZEA_TT.ex4"];
    altered[100] ^= 0x01;
    WriteBytes(files.eaTt, altered);
    EXPECT_EQ(CheckEaFiles(files), EaCheckResult::EaTtWrong);
    EXPECT_STREQ(EaCheckText(EaCheckResult::EaTtWrong), "EX4ファイル(TT)が正しくありません。");

    WriteBytes(files.ea, shipped["QZGI.ex4"]);
    EXPECT_EQ(CheckEaFiles(files), EaCheckResult::EaWrong);
    EXPECT_STREQ(EaCheckText(EaCheckResult::EaWrong), "EX4ファイルが正しくありません。");

    WriteBytes(files.library, "");  // present but empty: its digest is ""
    EXPECT_EQ(CheckEaFiles(files), EaCheckResult::LibraryWrong);
    EXPECT_STREQ(EaCheckText(EaCheckResult::LibraryWrong), "DLLファイルが正しくありません。");

    Os().RemoveFile(files.eaTt);
    EXPECT_EQ(CheckEaFiles(files), EaCheckResult::EaTtMissing);
    EXPECT_STREQ(EaCheckText(EaCheckResult::EaTtMissing), "EX4ファイル(TT)が存在しません。");

    Os().RemoveFile(files.ea);
    EXPECT_EQ(CheckEaFiles(files), EaCheckResult::EaMissing);
    EXPECT_STREQ(EaCheckText(EaCheckResult::EaMissing), "EX4ファイルが存在しません。");

    Os().RemoveFile(files.library);
    EXPECT_EQ(CheckEaFiles(files), EaCheckResult::LibraryMissing);
    EXPECT_STREQ(EaCheckText(EaCheckResult::LibraryMissing), "DLLファイルが存在しません。");
}

TEST_F(EaDeploymentTest, NothingIsInstalledWithoutTheTargetFoldersOrAFolderEntry) {
    const std::string bare = MakeFolder(terminals.Path(), "bare");
    SetupEaFiles(bare);
    EXPECT_EQ(CheckEaFiles(EaFileSetFor(bare)), EaCheckResult::LibraryMissing);
    EXPECT_EQ(CheckEaFiles(EaFileSetFor("")), EaCheckResult::LibraryMissing);
}
