// The line files every data file is kept in: CR LF line ends, the text mode of the Windows
// runtime, and saves that replace the file in one step or leave it whole.
#include "base/line_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/test_os.h"

namespace {
std::string Sep() { return std::string(1, PathSeparator()); }

class LineFile : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return os.folder.Path() + name; }
    FakeOs os;
};

TEST_F(LineFile, LinesAreWrittenWithCrLfAndReadBackTheSame) {
    const std::vector<std::string> lines = {"a\ab\a", "", "表示\a"};
    ASSERT_TRUE(WriteLineFile(Path("f.dat"), lines));
    EXPECT_EQ(ReadBytes(Path("f.dat")), "a\ab\a\r\n\r\n表示\a\r\n");
    EXPECT_EQ(ReadLineFile(Path("f.dat")), lines);
}

TEST_F(LineFile, ALastLineWithoutALineFeedIsLost) {
    WriteBytes(Path("f.dat"), "one\r\ntwo\r\nthree");
    EXPECT_EQ(ReadLineFile(Path("f.dat")), (std::vector<std::string>{"one", "two"}));
}

TEST_F(LineFile, TextModeTurnsOnlyCrLfIntoLf) {
    WriteBytes(Path("f.dat"), "a\rb\r\nc\r\r\n\n");
    std::string text;
    ASSERT_TRUE(ReadTextFile(Path("f.dat"), text, false));
    EXPECT_EQ(text, "a\rb\nc\r\n\n");
    EXPECT_EQ(ReadLineFile(Path("f.dat")), (std::vector<std::string>{"a\rb", "c", ""}));
    ASSERT_TRUE(ReadTextFile(Path("f.dat"), text, true));
    EXPECT_EQ(text, "a\rb\r\nc\r\r\n\n");
}

TEST_F(LineFile, ANulByteEndsTheTextOfItsChunkOnly) {
    const size_t chunk = 524288;
    std::string bytes = "x\r\n";
    bytes += '\0';
    bytes += "hidden\r\n";
    bytes.resize(chunk, 'y');
    bytes += "z\r\n";
    WriteBytes(Path("f.dat"), bytes);
    EXPECT_EQ(ReadLineFile(Path("f.dat")), (std::vector<std::string>{"x", "z"}));
}

TEST_F(LineFile, AMissingFileReadsAsEmpty) {
    std::string text = "stale";
    EXPECT_FALSE(ReadTextFile(Path("none.dat"), text, false));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(ReadLineFile(Path("none.dat")).empty());
}

TEST_F(LineFile, AFileLongerThanTheLimitIsNotReadAtAll) {
    // Two chunks and a bit, so that the limit falls inside a later chunk.
    const std::string bytes(2 * 524288 + 10, 'a');
    WriteBytes(Path("f.dat"), bytes);
    std::string text = "stale";
    EXPECT_FALSE(ReadTextFile(Path("f.dat"), text, true, bytes.size() - 1));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(ReadTextFile(Path("f.dat"), text, true, bytes.size()));
    EXPECT_EQ(text, bytes);
}

// A seam whose replace step fails, as on a full disk or a locked target.
class FailingReplaceOs : public FakeOs {
public:
    bool MoveFileOver(const std::string&, const std::string&) override { return false; }
};

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicSave, AFailedReplaceLeavesTheOldFileWholeAndNoLeftovers) {
    FailingReplaceOs os;
    const std::string path = os.folder.Path() + "f.dat";
    WriteBytes(path, "old\r\n");
    EXPECT_FALSE(WriteLineFile(path, {"new"}));
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(FolderEntries(os.folder.Path()), std::vector<std::string>{"f.dat"});
    // The failure says why on the trace channel.
    EXPECT_EQ(os.Traces(), std::vector<std::string>{"cannot replace " + path});
}

TEST(AtomicSave, ATargetThatIsAFolderIsNotReplaced) {
    FakeOs os;
    const std::string path = os.folder.Path() + "busy";
    Os().CreateFolder(path);
    WriteBytes(path + Sep() + "inside.dat", "keep");
    EXPECT_FALSE(WriteFileAtomically(path, "x"));
    EXPECT_EQ(ReadBytes(path + Sep() + "inside.dat"), "keep");
    EXPECT_EQ(FolderEntries(os.folder.Path()), std::vector<std::string>{"busy"});
}
}  // namespace
