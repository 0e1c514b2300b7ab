#include "base/line_file.h"
#include "store/local_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/test_os.h"

namespace {
std::string Sep() { return std::string(1, PathSeparator()); }

TEST(LocalFiles, FoldersAreCreatedOnTheFirstPathRequest) {
    FakeOs os;
    const std::string setting = os.folder.Path() + "setting";
    const std::string system = os.folder.Path() + "system";
    EXPECT_FALSE(Os().PathExists(setting));
    EXPECT_FALSE(Os().PathExists(system));

    EXPECT_EQ(SettingsFilePath(), setting + Sep() + "iasetting.dat");
    EXPECT_TRUE(Os().PathExists(setting));
    EXPECT_FALSE(Os().PathExists(system));
    EXPECT_EQ(PageFilePath(), system + Sep() + "ialweb.dat");
    EXPECT_TRUE(Os().PathExists(system));

    // A file can be saved there straight away.
    EXPECT_TRUE(WriteLineFile(IndicatorFilePath(), {"x"}));
    EXPECT_EQ(ReadBytes(setting + Sep() + "iaindex2.dat"), "x\r\n");
}

TEST(LocalFiles, EachFileHasItsName) {
    FakeOs os;
    const std::string setting = os.folder.Path() + "setting" + Sep();
    EXPECT_EQ(NewsFilePath(true), setting + "iasnews.dat");
    EXPECT_EQ(NewsFilePath(false), setting + "ianews.dat");
    EXPECT_EQ(RuleFilePath(), setting + "iaacm.dat");
    EXPECT_EQ(ScratchFilePath(999), setting + "iaweb999.dat");
    EXPECT_EQ(UpdaterPath(), os.folder.Path() + "system" + Sep() + "pelimorupdater.exe");
}

// A program folder whose name holds "表" (0x95 0x5C in CP932).
class DoubleByteFolderOs : public FakeOs {
public:
    std::string ProgramFolder() override { return folder.Path() + "表" + Sep(); }
};

TEST(LocalFiles, ThePageUrlKeepsDoubleByteCharacters) {
    DoubleByteFolderOs os;
    std::string folder = os.folder.Path();  // plain ASCII
    std::replace(folder.begin(), folder.end(), '\\', '/');
    folder.erase(0, folder.find_first_not_of('/'));
    EXPECT_EQ(PageUrl(), "file:///" + folder + "表/system/ialweb.dat");
}

// A program folder on a network share; no folder is really created there.
class NetworkFolderOs : public FakeOs {
public:
    std::string ProgramFolder() override {
        return PathSeparator() == '\\' ? "\\\\server\\share\\Pelimor\\" : "/server/share/Pelimor/";
    }
    void CreateFolder(const std::string&) override {}
};

TEST(LocalFiles, ThePageUrlOfANetworkFolderKeepsItsLeadingSlashes) {
    NetworkFolderOs os;
    EXPECT_EQ(PageUrl(), PathSeparator() == '\\'
                             ? "file://///server/share/Pelimor/system/ialweb.dat"
                             : "file:///server/share/Pelimor/system/ialweb.dat");
}

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

TEST(AtomicSave, AFolderThatCannotBeCreatedMakesSavesFailAndLoadsEmpty) {
    FakeOs os;
    // A file where the setting folder should be: the folder cannot be made.
    WriteBytes(os.folder.Path() + "setting", "not a folder");
    EXPECT_FALSE(WriteLineFile(SettingsFilePath(), {"x"}));
    EXPECT_EQ(os.Traces(), std::vector<std::string>{"cannot write " + SettingsFilePath()});
    EXPECT_TRUE(ReadLineFile(SettingsFilePath()).empty());
    EXPECT_EQ(ReadBytes(os.folder.Path() + "setting"), "not a folder");
}
}  // namespace
