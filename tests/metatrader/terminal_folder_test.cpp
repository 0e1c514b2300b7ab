#include "metatrader/terminal_folder.h"

#include <gtest/gtest.h>

#include "metatrader/ea_deployment.h"
#include "metatrader/signal_copy_ea.h"
#include "tests/metatrader/folder_tree.h"

TEST(DataFolderOf, TakesTheDataPartOfAPairedEntryAndKeepsPlainPathsAsTheyAre) {
    EXPECT_EQ(
        DataFolderOf(PairedEntry("C:\\Program Files\\MT4",
                                 "C:\\Users\\a\\AppData\\Roaming\\MetaQuotes\\Terminal\\0F1E")),
        "C:\\Users\\a\\AppData\\Roaming\\MetaQuotes\\Terminal\\0F1E");
    EXPECT_EQ(DataFolderOf("D:\\MT4\\"), "D:\\MT4\\");
    EXPECT_EQ(DataFolderOf("first|middle|last"), "middle");
    EXPECT_EQ(DataFolderOf("installation|"), "");
    EXPECT_EQ(DataFolderOf(""), "");
}

// Folder names whose characters end in the byte 0x7C ("|") or 0x5C ("\"): a byte search would
// take them for the entry's bar or a separator.
TEST(DataFolderOf, NamesWithSecondBytesLikeABarOrABackslashStayWhole) {
    TempFolder temp;
    const char separator = PathSeparator();
    const std::string names[] = {
        "\x83\x7C\x83\x43\x83\x93\x83\x67",  // ポイント
        "\x92\x7C\x93\xE0",                  // 竹内
        "MT4\x81\x7C"
        "2",                         // MT4－2
        "\x95\x5C",                  // 表
        "\x83\x5C\x83\x74\x83\x67",  // ソフト
    };
    for (const std::string& name : names) {
        const std::string installation = "D:\\" + name + "\\MT4";
        // Through the seam, which takes code-page paths on every platform.
        const std::string data = temp.Path() + name + separator + "0F1E" + separator;
        const std::string root = data + "MQL4" + separator;
        for (const std::string& folder : {temp.Path() + name, data, root})
            Os().CreateFolder(folder);
        const TerminalFolderEntry entry = PairedEntry(installation, data);

        EXPECT_EQ(DataFolderOf(entry), data) << name;
        EXPECT_EQ(DataFolderOf(installation), installation) << name;
        const TerminalLayout layout = LayoutOf(entry);
        EXPECT_EQ(layout.root, root) << name;
        EXPECT_TRUE(layout.underMql4) << name;
        EXPECT_EQ(EaFileSetFor(entry).ea, root + "experts" + separator + "QZEA.ex4") << name;
        EXPECT_EQ(QzgiPathsFor(entry).ea, root + "experts" + separator + "QZGI.ex4") << name;
        // A data folder typed without its last separator gets one, even after 表.
        EXPECT_EQ(LayoutOf(data.substr(0, data.size() - 1)).root, root) << name;
    }
}

TEST(IsTerminalFolder, NeedsTerminalExeAndFourOfTheFiveMarkerFolders) {
    TempFolder temp;

    const std::string twoMarkers = temp.Path() + "two" + PathSeparator();
    MakeTerminal(twoMarkers, {"experts", "history"});
    EXPECT_FALSE(IsTerminalFolder(twoMarkers));

    const std::string fourMarkers = temp.Path() + "four" + PathSeparator();
    MakeTerminal(fourMarkers, {"experts", "history", "tester", "MQL4"});
    EXPECT_TRUE(IsTerminalFolder(fourMarkers));

    const std::string noProgram = temp.Path() + "noexe" + PathSeparator();
    for (const char* marker : {"history", "languages", "tester", "experts", "MQL4"})
        MakeFolder(noProgram, marker);
    EXPECT_FALSE(IsTerminalFolder(noProgram));
}
