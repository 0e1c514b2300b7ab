#include "app/app_core.h"
#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "base/byte_text.h"
#include "tests/support/test_os.h"

namespace {
class SettingsFile : public ::testing::Test {
protected:
    std::string FilePath() const {
        return os.folder.Path() + "setting" + PathSeparator() + "iasetting.dat";
    }
    // Writes a settings file as the lines given, each ended with CR LF.
    void WriteSettings(const std::vector<std::string>& lines) {
        Os().CreateFolder(os.folder.Path() + "setting");
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\r\n";
        WriteBytes(FilePath(), bytes);
    }
    std::vector<std::string> SavedLines() const { return SplitLines(ReadBytes(FilePath())); }

    FakeOs os;
};

std::string DefaultPairLine() {
    std::string line;
    for (int j = 0; j < 99; ++j) line += "-1\b1\b\a";
    return line;
}

TEST_F(SettingsFile, DefaultCoreWritesTheExactFile) {
    CAppCore core;
    ASSERT_TRUE(core.SaveSettings());

    const std::string expected =
        "00000000\a00000000\a0000001F\a00000000\a00000000\a00000000\a00000000\a00000000\a"
        "00000C1C\a00000000\a00000000\a00000000\a\r\n"
        "007FFFFF\a"
        "sound\\default\\1.mp3\asound\\default\\2.mp3\asound\\default\\3.mp3\a"
        "sound\\default\\4.mp3\asound\\default\\5.mp3\asound\\default\\6.mp3\a"
        "sound\\default\\7.mp3\asound\\default\\8.mp3\asound\\default\\9.mp3\a"
        "sound\\default\\10.mp3\asound\\default\\20.mp3\asound\\default\\30.mp3\a"
        "sound\\default\\40.mp3\asound\\default\\50.mp3\asound\\default\\60.mp3\a"
        "sound\\default\\90.mp3\asound\\default\\120.mp3\a"
        "sound\\default\\aprev.wav\asound\\default\\0.wav\asound\\default\\aalert.wav\a"
        "sound\\default\\anews.wav\asound\\default\\ainfo.wav\asound\\default\\asignal.wav\a\r\n"
        "\a\a\a\a\a\r\n"
        "\r\n" +
        DefaultPairLine() + "\r\n" + "\a\a\r\n";
    EXPECT_EQ(ReadBytes(FilePath()), expected);
}

TEST_F(SettingsFile, DefaultsSurviveARoundTripExceptTheVersion) {
    CAppCore written;
    ASSERT_TRUE(written.SaveSettings());
    CAppCore read;
    read.m_autoClockAdjust = false;  // must come back from the file
    read.LoadSettings();

    EXPECT_EQ(read.m_fileVersion, 3100);
    read.m_fileVersion = 0;
    EXPECT_EQ(FormatSettingsLines(read), FormatSettingsLines(written));
    EXPECT_TRUE(read.m_autoClockAdjust);
}

TEST_F(SettingsFile, EverySettingSurvivesARoundTrip) {
    CAppCore written;
    written.m_windowLeft = -20;
    written.m_windowTop = -1;
    written.m_autoNotifyRank = 3;
    written.m_autoClockAdjust = false;
    written.m_newsSound = true;
    written.m_newsBalloon = false;
    written.m_nextIndicatorId = 0x1234;
    written.m_termsAcceptedAt = -5;
    written.m_avoidSoundErrors = 1;
    written.m_soundFiles[0] = "C:\\音\\表示.wav";
    written.m_soundFiles[22] = "";
    written.m_eventMask = 0x00400001;
    written.m_pairFirst[0] = 42;
    written.m_pairSecond[0] = -7;
    written.m_pairFirst[98] = -2147483647 - 1;
    written.m_pairSecond[98] = 2147483647;
    written.m_noticeCheckedAt = 0x1'8000'0001;  // only the low 32 bits are kept
    written.m_newsCheckedAt = 0xFFFFFFFF;
    written.m_spareTime = 77;
    written.m_updatedAt = 1700000000;
    written.m_terminalFolders = {"C:\\MT4\\a", "", "D:\\データ\\b"};
    written.m_foundTerminalFolders = {"C:\\x|C:\\y", "E:\\z"};
    written.m_signalCopyFolder = "C:\\Signal";
    ASSERT_TRUE(written.SaveSettings());

    CAppCore read;
    read.LoadSettings();
    EXPECT_EQ(read.m_windowLeft, -20);
    EXPECT_EQ(read.m_windowTop, -1);
    EXPECT_EQ(read.m_autoNotifyRank, 3);
    EXPECT_FALSE(read.m_autoClockAdjust);
    EXPECT_TRUE(read.m_newsSound);
    EXPECT_FALSE(read.m_newsBalloon);
    EXPECT_EQ(read.m_nextIndicatorId, 0x1234);
    EXPECT_EQ(read.m_termsAcceptedAt, -5);
    EXPECT_EQ(read.m_avoidSoundErrors, 1);
    EXPECT_EQ(read.m_soundFiles, written.m_soundFiles);
    EXPECT_EQ(read.m_eventMask, 0x00400001u);
    EXPECT_EQ(read.m_pairFirst, written.m_pairFirst);
    EXPECT_EQ(read.m_pairSecond, written.m_pairSecond);
    EXPECT_EQ(read.m_noticeCheckedAt, 0x8000'0001);
    EXPECT_EQ(read.m_newsCheckedAt, 0xFFFFFFFF);
    EXPECT_EQ(read.m_spareTime, 77);
    EXPECT_EQ(read.m_updatedAt, 1700000000);
    EXPECT_EQ(read.m_terminalFolders, written.m_terminalFolders);
    EXPECT_EQ(read.m_foundTerminalFolders, written.m_foundTerminalFolders);
    EXPECT_EQ(read.m_signalCopyFolder, "C:\\Signal");
    EXPECT_EQ(SavedLines()[0].substr(0, 18), "FFFFFFEC\aFFFFFFFF\a");
}

TEST_F(SettingsFile, NoticeFlagsAreWrittenButNeverReadBack) {
    CAppCore written;
    written.m_noticeSound = false;
    ASSERT_TRUE(written.SaveSettings());
    EXPECT_EQ(SavedLines()[0].substr(18, 9), "00000017\a");  // bit 3 clear

    CAppCore read;
    read.LoadSettings();
    EXPECT_TRUE(read.m_noticeSound);

    written.m_noticeSound = true;
    written.m_noticeBalloon = true;
    ASSERT_TRUE(written.SaveSettings());
    read.m_noticeSound = false;
    read.m_noticeBalloon = false;
    read.LoadSettings();
    EXPECT_FALSE(read.m_noticeSound);
    EXPECT_FALSE(read.m_noticeBalloon);
}

TEST_F(SettingsFile, AFileWithOnlyTheFirstLineLeavesTheRestAtItsValues) {
    WriteSettings({"00000064\a000000C8\a00000000\a"});
    CAppCore core;
    core.m_terminalFolders[1] = "kept";
    core.m_signalCopyFolder = "kept too";
    core.LoadSettings();

    EXPECT_EQ(core.m_windowLeft, 100);
    EXPECT_EQ(core.m_windowTop, 200);
    EXPECT_FALSE(core.m_autoClockAdjust);
    EXPECT_FALSE(core.m_newsSound);
    EXPECT_FALSE(core.m_newsBalloon);
    EXPECT_EQ(core.m_fileVersion, 0);  // a field the line lacks reads as 0
    EXPECT_EQ(core.m_eventMask, 0x7FFFFFu);
    EXPECT_EQ(core.m_soundFiles[0], "sound\\default\\1.mp3");
    EXPECT_EQ(core.m_soundFiles[22], "sound\\default\\asignal.wav");
    EXPECT_EQ(core.m_terminalFolders[1], "kept");
    EXPECT_EQ(core.m_signalCopyFolder, "kept too");
    EXPECT_EQ(core.m_pairFirst[0], -1);
}

TEST_F(SettingsFile, ShortLinesFillWhatTheyHold) {
    WriteSettings({"", "00000003\aa.wav\ab.wav\a", "x\ay\aC:\\one\a", "\aC:\\f1\a\aC:\\f2\a",
                   "5\b6\b\a7\a\a", ""});
    CAppCore core;
    core.m_terminalFolders = {"old0", "old1", "old2"};
    core.m_signalCopyFolder = "old";
    core.LoadSettings();

    EXPECT_EQ(core.m_eventMask, 3u);
    EXPECT_EQ(core.m_soundFiles[0], "a.wav");
    EXPECT_EQ(core.m_soundFiles[1], "b.wav");
    for (int event = 2; event < 23; ++event) EXPECT_EQ(core.m_soundFiles[event], "") << event;
    EXPECT_EQ(core.m_terminalFolders[0], "C:\\one");
    EXPECT_EQ(core.m_terminalFolders[1], "old1");
    EXPECT_EQ(core.m_terminalFolders[2], "old2");
    EXPECT_EQ(core.m_foundTerminalFolders, (std::vector<std::string>{"C:\\f1", "C:\\f2"}));
    EXPECT_EQ(core.m_pairFirst[0], 5);
    EXPECT_EQ(core.m_pairSecond[0], 6);
    EXPECT_EQ(core.m_pairFirst[1], 7);  // no second number: it reads as 0
    EXPECT_EQ(core.m_pairSecond[1], 0);
    EXPECT_EQ(core.m_pairFirst[2], 0);
    EXPECT_EQ(core.m_pairFirst[3], -1);  // beyond the line: unchanged
    EXPECT_EQ(core.m_signalCopyFolder, "old");
}

// Lines 3 and 6 pick folders by position; the last field runs to the end of the line, with or
// without a 0x07 after it.
TEST_F(SettingsFile, AFolderAtTheEndOfItsLineWithoutASeparatorIsRead) {
    const struct {
        std::string line3;
        std::string line6;
        std::array<std::string, 3> folders;
        std::string signalCopyFolder;
    } cases[] = {
        {"\a\aC:\\a\aD:\\b", "E:\\copy", {"C:\\a", "D:\\b", "old2"}, "E:\\copy"},
        {"\a\aC:\\a\aD:\\b\aF:\\c", "E:\\copy\a", {"C:\\a", "D:\\b", "F:\\c"}, "E:\\copy"},
        {"\a\a\a\aF:\\c", "", {"", "", "F:\\c"}, "old"},
        {"\a\aC:\\a", "E:\\copy\a\areserved", {"C:\\a", "old1", "old2"}, "E:\\copy"},
    };
    for (const auto& c : cases) {
        WriteSettings({"", "", c.line3, "", "", c.line6});
        CAppCore core;
        core.m_terminalFolders = {"old0", "old1", "old2"};
        core.m_signalCopyFolder = "old";
        core.LoadSettings();
        EXPECT_EQ(core.m_terminalFolders, c.folders) << c.line3;
        EXPECT_EQ(core.m_signalCopyFolder, c.signalCopyFolder) << c.line6;
    }
}

TEST_F(SettingsFile, BadNumbersReadAsZeroAndLongOnesAsTheirFirstEightDigits) {
    WriteSettings({"zz\a-5\a\a123456789\a 0000000A\a", "nothex\a"});
    CAppCore core;
    core.LoadSettings();
    EXPECT_EQ(core.m_windowLeft, 0);
    EXPECT_EQ(core.m_windowTop, 0);
    EXPECT_EQ(core.m_autoNotifyRank, 0x12345678);
    EXPECT_EQ(core.m_noticeCheckedAt, 10);
    EXPECT_EQ(core.m_eventMask, 0u);
}

TEST_F(SettingsFile, PairsAreReadAsDecimalAndAtMost99) {
    std::string pairs;
    for (int j = 0; j < 120; ++j) pairs += FormatText("%d\b%d\b\a", j, -j);
    pairs.replace(0, 4, " +12x\b");  // leading space, sign and trailing junk as atoi reads them
    WriteSettings({"", "", "", "", pairs});
    CAppCore core;
    core.LoadSettings();
    EXPECT_EQ(core.m_pairFirst[0], 12);
    EXPECT_EQ(core.m_pairSecond[0], 0);
    EXPECT_EQ(core.m_pairFirst[98], 98);
    EXPECT_EQ(core.m_pairSecond[98], -98);
}

TEST_F(SettingsFile, TheLastLineWithoutALineFeedIsIgnored) {
    WriteSettings({"", "", "", "", ""});
    WriteBytes(FilePath(), ReadBytes(FilePath()) + "C:\\signal\a\a");
    CAppCore core;
    core.LoadSettings();
    EXPECT_EQ(core.m_signalCopyFolder, "");
}

TEST_F(SettingsFile, FoundFoldersAreAppendedWithoutEmptyEntries) {
    WriteSettings({"", "", "", "\a\aA\a\aB\a"});
    CAppCore core;
    core.m_foundTerminalFolders = {"first"};
    core.LoadSettings();
    EXPECT_EQ(core.m_foundTerminalFolders, (std::vector<std::string>{"first", "A", "B"}));
}

TEST_F(SettingsFile, TextsThatWouldBreakTheLayoutAreWrittenWithoutTheBreakingBytes) {
    CAppCore written;
    written.m_soundFiles[3] = "a\nb\ac.wav";
    written.m_terminalFolders[0] = std::string("C:\\MT4\0tail", 11);
    written.m_foundTerminalFolders = {"\a\n"};  // nothing left: not read back
    written.m_signalCopyFolder = "C:\\x\r\n";
    ASSERT_TRUE(written.SaveSettings());
    ASSERT_EQ(SavedLines().size(), 6u);

    CAppCore read;
    read.LoadSettings();
    EXPECT_EQ(read.m_soundFiles[3], "abc.wav");
    EXPECT_EQ(read.m_soundFiles[4], "sound\\default\\5.mp3");
    EXPECT_EQ(read.m_terminalFolders[0], "C:\\MT4");
    EXPECT_TRUE(read.m_foundTerminalFolders.empty());
    EXPECT_EQ(read.m_signalCopyFolder, "C:\\x\r");
    EXPECT_EQ(read.m_pairFirst[0], -1);
}

// Any bytes load without harm, and the next save writes a complete, well-formed file.
TEST_F(SettingsFile, GarbageLoadsAndTheNextSaveIsWellFormed) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        std::string bytes;
        size_t length = round == 0 ? 3'000'000 : random() % 4000;
        for (size_t at = 0; at < length; ++at) {
            // Plenty of separators, line ends and hex digits keep the garbage near the format.
            static const char ALPHABET[] = "\a\a\b\r\n\n0123456789ABCDEF-\\:\x81\x5C";
            bytes += random() % 4 == 0 ? ALPHABET[random() % (sizeof ALPHABET - 1)]
                                       : static_cast<char>(random());
        }
        Os().CreateFolder(os.folder.Path() + "setting");
        WriteBytes(FilePath(), bytes);

        CAppCore core;
        core.LoadSettings();
        ASSERT_TRUE(core.SaveSettings());

        std::string saved = ReadBytes(FilePath());
        std::vector<std::string> lines = SplitLines(saved);
        ASSERT_EQ(lines.size(), 6u) << round;
        EXPECT_EQ(CountOccurrences(saved, "\r\n"), 6) << round;
        EXPECT_EQ(CountOccurrences(lines[0], "\a"), 12) << round;
        EXPECT_EQ(CountOccurrences(lines[1], "\a"), 24) << round;
        EXPECT_EQ(CountOccurrences(lines[2], "\a"), 5) << round;
        EXPECT_EQ(CountOccurrences(lines[4], "\a"), 99) << round;
        EXPECT_EQ(CountOccurrences(lines[5], "\a"), 2) << round;
        EXPECT_EQ(lines[0].substr(8 * 9, 9), "00000C1C\a") << round;
    }
}
}  // namespace
