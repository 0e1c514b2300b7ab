#include "metatrader/ea_file_copy.h"

#include <gtest/gtest.h>

#include "metatrader/ea_deployment.h"
#include "metatrader/signal_copy_ea.h"
#include "tests/metatrader/folder_tree.h"

namespace {
class EaFileCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shipped.Install(os.folder.Path())) << "shipped files missing beside the test";
    }

    std::string Path(const std::string& name) { return folder.Path() + name; }

    ShippedEaFiles shipped;
    FakeOs os;
    TempFolder folder;
};
}  // namespace

TEST_F(EaFileCopyTest, ADifferingFileIsKeptAsOneOldGeneration) {
    WriteBytes(Path("source"), "the shipped advisor");
    WriteBytes(Path("target"), "a trader's own advisor");
    ASSERT_TRUE(CopyKeepingTheOld(Path("source"), Path("target")));
    EXPECT_EQ(ReadBytes(Path("target")), "the shipped advisor");
    EXPECT_EQ(ReadBytes(Path("target.old")), "a trader's own advisor");

    // Set up again: the target is the shipped file now, so the trader's file stays the .old.
    ASSERT_TRUE(CopyKeepingTheOld(Path("source"), Path("target")));
    EXPECT_EQ(ReadBytes(Path("target.old")), "a trader's own advisor");

    // A newer release replaces the installed one: that becomes the one generation kept.
    WriteBytes(Path("source"), "the next shipped advisor");
    ASSERT_TRUE(CopyKeepingTheOld(Path("source"), Path("target")));
    EXPECT_EQ(ReadBytes(Path("target")), "the next shipped advisor");
    EXPECT_EQ(ReadBytes(Path("target.old")), "the shipped advisor");
}

TEST_F(EaFileCopyTest, NoBackupOfAMissingOrEqualFile) {
    WriteBytes(Path("source"), "the shipped advisor");
    ASSERT_TRUE(CopyKeepingTheOld(Path("source"), Path("new")));
    EXPECT_FALSE(Os().PathExists(Path("new.old")));
    WriteBytes(Path("same"), "the shipped advisor");
    ASSERT_TRUE(CopyKeepingTheOld(Path("source"), Path("same")));
    EXPECT_FALSE(Os().PathExists(Path("same.old")));
}

TEST_F(EaFileCopyTest, BothSetupsKeepTheFilesTheyReplace) {
    const std::string terminal = MakeFolder(folder.Path(), "terminal");
    MakeFolder(terminal, std::string("MQL4") + PathSeparator() + "libraries");
    MakeFolder(terminal, std::string("MQL4") + PathSeparator() + "experts");
    const EaFileSet files = EaFileSetFor(terminal);
    WriteBytes(files.ea, "another QZEA");
    WriteBytes(QzgiPathsFor(terminal).ea, "another QZGI");

    SetupEaFiles(terminal);
    SetupQzgi(terminal);
    EXPECT_EQ(CheckEaFiles(files), EaCheckResult::AllCorrect);
    EXPECT_EQ(CheckQzgi(terminal), QZGI_CORRECT);
    EXPECT_EQ(ReadBytes(files.ea + ".old"), "another QZEA");
    EXPECT_EQ(ReadBytes(QzgiPathsFor(terminal).ea + ".old"), "another QZGI");
    EXPECT_FALSE(Os().PathExists(files.library + ".old"));
    EXPECT_FALSE(Os().PathExists(files.eaTt + ".old"));
}
