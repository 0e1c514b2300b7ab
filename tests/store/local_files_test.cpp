// Where the program keeps its files: the setting and system folders, made on first use, each
// data file's name, and the page file's URL.
#include "store/local_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/line_file.h"
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

// A program folder whose name a URL cannot hold as it is: "#" would start a fragment, "%" an
// escape, and a space ends an address.
class MarkedFolderOs : public FakeOs {
public:
    std::string ProgramFolder() override { return folder.Path() + "a #b%c\"d&e" + Sep(); }
};

TEST(LocalFiles, ThePageUrlEscapesWhatAUrlPathCannotHold) {
    MarkedFolderOs os;
    std::string folder = os.folder.Path();  // plain ASCII
    std::replace(folder.begin(), folder.end(), '\\', '/');
    folder.erase(0, folder.find_first_not_of('/'));
    EXPECT_EQ(PageUrl(), "file:///" + folder + "a%20%23b%25c%22d&e/system/ialweb.dat");
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
