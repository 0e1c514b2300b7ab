#include "metatrader/terminal_folder.h"

#include <gtest/gtest.h>

#include "tests/metatrader/folder_tree.h"

TEST(DataFolderOf, TakesTheDataPartOfAPairedEntryAndKeepsPlainPathsAsTheyAre) {
    EXPECT_EQ(DataFolderOf(PairedEntry("C:\\Program Files\\MT4",
                                       "C:\\Users\\a\\AppData\\Roaming\\MetaQuotes\\Terminal\\0F1E")),
              "C:\\Users\\a\\AppData\\Roaming\\MetaQuotes\\Terminal\\0F1E");
    EXPECT_EQ(DataFolderOf("D:\\MT4\\"), "D:\\MT4\\");
    EXPECT_EQ(DataFolderOf("first|middle|last"), "middle");
    EXPECT_EQ(DataFolderOf("installation|"), "");
    EXPECT_EQ(DataFolderOf(""), "");
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
