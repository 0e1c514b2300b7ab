#include "metatrader/developer_digest.h"

#include <gtest/gtest.h>

#include "metatrader/file_digest.h"
#include "tests/metatrader/folder_tree.h"

namespace {
TEST(DeveloperDigest, IsTheDigestOfTheSignalCopyEaInEitherLayout) {
    TempFolder terminals;
    const char s = PathSeparator();
    const std::string newTerminal = MakeFolder(terminals.Path(), "new");
    const std::string newEa =
        MakeFolder(newTerminal, std::string("MQL4") + s + "experts") + "QZGI.ex4";
    WriteBytes(newEa, "0123456789abcdefghij");
    const std::string oldTerminal = MakeFolder(terminals.Path(), "old");
    const std::string oldEa = MakeFolder(oldTerminal, "experts") + "QZGI.ex4";
    WriteBytes(oldEa, "another expert advisor");

    EXPECT_EQ(SignalCopyEaDigest(newTerminal), FileDigest(newEa));
    EXPECT_EQ(SignalCopyEaDigest(newTerminal).size(), 19u);
    EXPECT_EQ(SignalCopyEaDigest(PairedEntry("C:\\MT4", oldTerminal)), FileDigest(oldEa));
    EXPECT_NE(SignalCopyEaDigest(oldTerminal), SignalCopyEaDigest(newTerminal));
}

TEST(DeveloperDigest, IsEmptyWithoutAFolderOrAFile) {
    TempFolder terminal;
    EXPECT_EQ(SignalCopyEaDigest(""), "");
    EXPECT_EQ(SignalCopyEaDigest(terminal.Path()), "");
}
}  // namespace
