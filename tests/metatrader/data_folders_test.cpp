#include "metatrader/data_folders.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/metatrader/folder_tree.h"

namespace {
std::string Utf16LittleEndian(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

class FindDataFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        os.appDataFolder = os.folder.Path() + "Roaming";
        terminals = MakeFolder(os.appDataFolder + PathSeparator(),
                               std::string("MetaQuotes") + PathSeparator() + "Terminal");
    }

    // A data folder named name with the given origin.txt bytes; returns its path as listed.
    std::string DataFolder(const std::string& name, const std::string& origin) {
        MakeFolder(terminals, name);
        WriteBytes(terminals + name + PathSeparator() + "origin.txt", origin);
        return terminals + name;
    }

    FakeOs os;
    std::string terminals;
};
}  // namespace

TEST_F(FindDataFoldersTest, PairsEachDataFolderWithTheInstallationItsOriginNames) {
    const std::string withMark =
        DataFolder("0F1E2D", Utf16LittleEndian(u"\uFEFFC:\\Program Files\\MT4 取引"));
    const std::string withoutMark = DataFolder("A1B2C3", Utf16LittleEndian(u"D:\\FX\\MT4"));
    // The text ends at its first zero character; an odd last byte is no character.
    const std::string cut =
        DataFolder("C0FFEE", Utf16LittleEndian(std::u16string(u"E:\\MT4\0garbage", 14)) + "x");
    MakeFolder(terminals, "NOORIGIN");

    std::vector<TerminalFolderEntry> entries;
    ASSERT_TRUE(FindDataFolders(entries));
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<TerminalFolderEntry>{
                           "C:\\Program Files\\MT4 取引|" + withMark,
                           "D:\\FX\\MT4|" + withoutMark,
                           "E:\\MT4|" + cut,
                       }));
}

// MetaTrader's data moved to another drive and linked back where the terminal looks for it.
TEST_F(FindDataFoldersTest, FindsADataFolderThatIsALinkToAFolderElsewhere) {
    const std::string moved = MakeFolder(os.folder.Path(), "moved");
    WriteBytes(moved + "origin.txt", Utf16LittleEndian(u"D:\\FX\\MT4"));
    const std::string linked = terminals + "B0C1D2";
    std::error_code failed;
    std::filesystem::create_directory_symlink(moved, linked, failed);
    if (failed) GTEST_SKIP() << "this system makes no folder links: " << failed.message();

    std::vector<TerminalFolderEntry> entries;
    ASSERT_TRUE(FindDataFolders(entries));
    EXPECT_EQ(entries, (std::vector<TerminalFolderEntry>{"D:\\FX\\MT4|" + linked}));
}

TEST_F(FindDataFoldersTest, CutsCharactersTheCodePageLacksOnlyAtEitherEnd) {
    // Neither mark nor emoji exists in the code page: both turn into "?" and are cut off.
    const std::string folder =
        DataFolder("EDGE", Utf16LittleEndian(u"\uFEFF\uFEFFC:\\MT4\\?x\U0001F600\uFEFF"));
    std::vector<TerminalFolderEntry> entries;
    ASSERT_TRUE(FindDataFolders(entries));
    EXPECT_EQ(entries, std::vector<TerminalFolderEntry>{"C:\\MT4\\?x|" + folder});
}

TEST_F(FindDataFoldersTest, AnOriginThatConvertsToNothingGivesAnEmptyInstallationPart) {
    const std::string folder = DataFolder("EMPTY", Utf16LittleEndian(u"\uFEFF"));
    std::vector<TerminalFolderEntry> entries;
    ASSERT_TRUE(FindDataFolders(entries));
    EXPECT_EQ(entries, std::vector<TerminalFolderEntry>{"|" + folder});
    EXPECT_EQ(DataFolderOf(entries[0]), folder);
}

TEST_F(FindDataFoldersTest, WithoutTerminalsThereAreNoEntriesButTheSearchSucceeds) {
    os.appDataFolder = os.folder.Path() + "Elsewhere";
    std::vector<TerminalFolderEntry> entries;
    EXPECT_TRUE(FindDataFolders(entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(FindDataFoldersTest, FailsWhenTheSystemHasNoApplicationDataFolder) {
    DataFolder("0F1E2D", Utf16LittleEndian(u"C:\\MT4"));
    os.appDataFolder = "";
    std::vector<TerminalFolderEntry> entries;
    EXPECT_FALSE(FindDataFolders(entries));
    EXPECT_TRUE(entries.empty());
}
