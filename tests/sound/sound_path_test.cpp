#include "sound/sound_path.h"

#include <gtest/gtest.h>

#include "tests/support/test_os.h"

namespace {
// The seam with the program installed in a Windows folder.
class InstalledOs : public FakeOs {
public:
    explicit InstalledOs(std::string folder) : programFolder(std::move(folder)) {}
    std::string ProgramFolder() override { return programFolder; }
    std::string programFolder;
};

TEST(ProgramRelativeSoundPath, FilesInsideTheProgramFolderLoseTheFolder) {
    InstalledOs os("C:\\Program Files\\Pelimor\\");
    EXPECT_EQ(ProgramRelativeSoundPath("C:\\Program Files\\Pelimor\\sound\\my\\a.wav"),
              "sound\\my\\a.wav");
    EXPECT_EQ(ProgramRelativeSoundPath("D:\\Program Files\\Pelimor\\a.wav"),
              "D:\\Program Files\\Pelimor\\a.wav");
    // A sibling folder whose name only begins like the program folder is outside it.
    EXPECT_EQ(ProgramRelativeSoundPath("C:\\Program Files\\Pelimor2\\a.wav"),
              "C:\\Program Files\\Pelimor2\\a.wav");
}

TEST(ProgramRelativeSoundPath, FolderIsMatchedWithoutRegardToCase) {
    InstalledOs os("C:\\Tools\\");
    EXPECT_EQ(ProgramRelativeSoundPath("c:\\tools\\x.mp3"), "x.mp3");
    EXPECT_EQ(ProgramRelativeSoundPath("C:\\TOOLS\\Sub\\X.MP3"), "Sub\\X.MP3");
}

TEST(ProgramRelativeSoundPath, DoubleByteCharactersAreComparedExactly) {
    // "ア" is 0x83 0x41 and "ヂ" 0x83 0x61: lowering the second byte would make them equal.
    InstalledOs os("C:\\ア\\");
    EXPECT_EQ(ProgramRelativeSoundPath("C:\\ヂ\\x.wav"), "C:\\ヂ\\x.wav");
    EXPECT_EQ(ProgramRelativeSoundPath("c:\\ア\\x.wav"), "x.wav");
}

TEST(ProgramRelativeSoundPath, StoredPathPlaysTheChosenFile) {
    FakeOs os;
    std::string chosen = os.folder.Path() + "chime.wav";
    EXPECT_EQ(ResolveSoundPath(ProgramRelativeSoundPath(chosen)), chosen);
}

TEST(SoundPath, RelativePathsLieInTheProgramFolder) {
    FakeOs os;
    const bool slash = PathSeparator() == '/';
    EXPECT_EQ(ResolveSoundPath("sound\\default\\0.wav"),
              os.folder.Path() + (slash ? "sound/default/0.wav" : "sound\\default\\0.wav"));
    // "表" is 0x95 0x5C: its second byte is no separator.
    EXPECT_EQ(ResolveSoundPath("表\\a.wav"), os.folder.Path() + (slash ? "表/a.wav" : "表\\a.wav"));
    EXPECT_EQ(ResolveSoundPath("C:a.wav"), os.folder.Path() + "C:a.wav");
    EXPECT_EQ(ResolveSoundPath(""), os.folder.Path());
}

TEST(SoundPath, AbsolutePathsAreKept) {
    FakeOs os;
    EXPECT_EQ(ResolveSoundPath("C:\\Users\\me\\chime.wav"), "C:\\Users\\me\\chime.wav");
    EXPECT_EQ(ResolveSoundPath("d:\\x.mp3"), "d:\\x.mp3");
    // A file on a network share.
    EXPECT_EQ(ResolveSoundPath("\\\\server\\share\\x.wav"), "\\\\server\\share\\x.wav");
    if (PathSeparator() == '/') {
        EXPECT_EQ(ResolveSoundPath("/opt/sounds/x.wav"), "/opt/sounds/x.wav");
    }
}
}  // namespace
