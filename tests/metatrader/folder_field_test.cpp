// A folder chosen in the folder browser, as the MetaTrader setup dialogs' fields hold it.

#include "metatrader/folder_field.h"

#include <gtest/gtest.h>

#include "base/os.h"

TEST(FolderField, AChosenFolderEndsWithTheSeparator) {
    const std::string s(1, PathSeparator());
    EXPECT_EQ(AsFolderField("C:" + s + "MT4"), "C:" + s + "MT4" + s);
    EXPECT_EQ(AsFolderField("C:" + s), "C:" + s);
    EXPECT_EQ(AsFolderField(""), "");
    // "表" ends in the byte of a backslash, but it is not one.
    EXPECT_EQ(AsFolderField("C:" + s + "表"), "C:" + s + "表" + s);
    EXPECT_EQ(AsFolderField("C:" + s + "表" + s), "C:" + s + "表" + s);
}
