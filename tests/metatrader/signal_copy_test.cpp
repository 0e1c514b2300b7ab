#include "metatrader/signal_copy_writer.h"

#include <gtest/gtest.h>

#include "metatrader/signal_copy_ea.h"
#include "base/byte_text.h"
#include "tests/metatrader/folder_tree.h"

namespace {
class SignalCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        shippedQzgi = ReadBytes(Os().ProgramFolder() + "QZGI.ex4");
        ASSERT_FALSE(shippedQzgi.empty()) << "QZGI.ex4 is missing beside the test program";
        os = std::make_unique<FakeOs>();
        WriteBytes(os->folder.Path() + "QZGI.ex4", shippedQzgi);
    }

    // A terminal data folder with its experts and Files folders.
    std::string Terminal(const std::string& name, bool newLayout) {
        std::string folder = MakeFolder(terminals.Path(), name);
        if (newLayout) MakeFolder(folder, "MQL4");
        const std::string root = newLayout ? folder + "MQL4" + PathSeparator() : folder;
        MakeFolder(root, "experts");
        MakeFolder(root, "Files");
        return folder;
    }

    std::string shippedQzgi;
    std::unique_ptr<FakeOs> os;
    TempFolder terminals;
};

// An entry s0..s9 as the server poll stores it.
std::string Entry(int number) {
    return FormatText("%d,T%d,EURUSD,N,B,1.1,0,1.2,x,2024.03.05 10:00:%02d", number, number,
                      number % 60);
}

// The line an entry becomes: everything after s0.
std::string Line(int number) { return Entry(number).substr(Entry(number).find(',') + 1) + "\r\n"; }
}  // namespace

TEST_F(SignalCopyTest, PathsFollowTheNewAndTheOldLayout) {
    const char s = PathSeparator();
    const std::string newTerminal = Terminal("new", true);
    EXPECT_EQ(QzgiPathsFor(newTerminal).ea, newTerminal + "MQL4" + s + "experts" + s + "QZGI.ex4");
    EXPECT_EQ(QzgiPathsFor(newTerminal).copyFile,
              newTerminal + "MQL4" + s + "Files" + s + "QZGCOPY.csv");
    const std::string oldTerminal = Terminal("old", false);
    EXPECT_EQ(QzgiPathsFor(PairedEntry("C:\\MT4", oldTerminal)).ea,
              oldTerminal + "experts" + s + "QZGI.ex4");
    EXPECT_EQ(QzgiPathsFor(oldTerminal).copyFile, oldTerminal + "Files" + s + "QZGCOPY.csv");
    EXPECT_EQ(QzgiPathsFor("").ea + QzgiPathsFor("").copyFile, "");
}

TEST_F(SignalCopyTest, CheckFindsTheShippedEaOnlyAfterSetup) {
    const std::string terminal = Terminal("t", true);
    EXPECT_EQ(CheckQzgi(terminal), QZGI_MISSING);
    EXPECT_STREQ(QzgiCheckText(QZGI_MISSING), "QZGI.ex4ファイルが存在しません。");
    EXPECT_EQ(CheckQzgi(""), QZGI_MISSING);

    SetupQzgi(terminal);
    EXPECT_EQ(ReadBytes(QzgiPathsFor(terminal).ea), shippedQzgi);
    EXPECT_EQ(CheckQzgi(terminal), QZGI_CORRECT);
    EXPECT_STREQ(QzgiCheckText(QZGI_CORRECT), "状態は正常です。");

    WriteBytes(QzgiPathsFor(terminal).ea, shippedQzgi + "tail");
    EXPECT_EQ(CheckQzgi(terminal), QZGI_WRONG);
    EXPECT_STREQ(QzgiCheckText(QZGI_WRONG), "QZGI.ex4ファイル内容が正しくありません。");
}

TEST_F(SignalCopyTest, WritesTheTwentyOneNewestEntriesOldestFirst) {
    const std::string terminal = Terminal("t", true);
    SignalMap signals;
    for (int number = 1; number <= 25; ++number) signals.emplace(number, Entry(number));
    ASSERT_TRUE(SignalCopyWriter(QZGI_CORRECT, terminal, signals));

    std::string expected;
    for (int number = 5; number <= 25; ++number) expected += Line(number);
    EXPECT_EQ(ReadBytes(QzgiPathsFor(terminal).copyFile), expected);
}

TEST_F(SignalCopyTest, ShortEntriesAreLeftOutButCountAndTrailingCommasGo) {
    const std::string terminal = Terminal("t", false);
    SignalMap signals;
    signals.emplace(1, Entry(1));                                    // beyond the 21 examined
    signals.emplace(2, "2,a,b,c,d,e,f,g,h,2024.03.05 10:00:00,,,");  // trailing commas
    signals.emplace(3, "3,a,b,c,d,e,f,g,h");                         // seven commas after s0
    signals.emplace(3, "no commas at all");
    for (int number = 4; number <= 21; ++number) signals.emplace(number, Entry(number));
    ASSERT_TRUE(SignalCopyWriter(QZGI_CORRECT, terminal, signals));

    std::string expected = "a,b,c,d,e,f,g,h,2024.03.05 10:00:00\r\n";
    for (int number = 4; number <= 21; ++number) expected += Line(number);
    EXPECT_EQ(ReadBytes(QzgiPathsFor(terminal).copyFile), expected);
}

TEST_F(SignalCopyTest, LeavesTheFileAloneUnlessTheEaWasFoundCorrect) {
    const std::string terminal = Terminal("t", true);
    const std::string copyFile = QzgiPathsFor(terminal).copyFile;
    WriteBytes(copyFile, "earlier\r\n");
    SignalMap signals{{1, Entry(1)}};
    EXPECT_FALSE(SignalCopyWriter(QZGI_MISSING, terminal, signals));
    EXPECT_FALSE(SignalCopyWriter(QZGI_WRONG, terminal, signals));
    EXPECT_FALSE(SignalCopyWriter(0, terminal, signals));
    EXPECT_EQ(ReadBytes(copyFile), "earlier\r\n");

    EXPECT_TRUE(SignalCopyWriter(QZGI_CORRECT, terminal, SignalMap{}));
    EXPECT_EQ(ReadBytes(copyFile), "");
}

TEST_F(SignalCopyTest, WritesNothingWithoutAFilesFolderOrAFolderEntry) {
    const std::string bare = MakeFolder(terminals.Path(), "bare");
    SignalMap signals{{1, Entry(1)}};
    EXPECT_FALSE(SignalCopyWriter(QZGI_CORRECT, bare, signals));
    EXPECT_FALSE(Os().PathExists(QzgiPathsFor(bare).copyFile));
    EXPECT_FALSE(SignalCopyWriter(QZGI_CORRECT, "", signals));
}
