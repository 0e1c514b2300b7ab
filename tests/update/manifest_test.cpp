#include "update/manifest.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const std::string DIGEST_A(64, 'a');
const std::string DIGEST_B = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";

std::string Line(const std::string& path, const std::string& digest = DIGEST_A,
                 const std::string& size = "12") {
    return digest + " " + size + " " + path + "\n";
}
}  // namespace

TEST(Manifest, ReadsTheReleaseAndEveryFileWithLfOrCrLf) {
    for (const char* end : {"\n", "\r\n"}) {
        std::string text = std::string("3101") + end + DIGEST_A + " 0 Pelimor.exe" + end +
                           DIGEST_B + " 1048576 sound\\default\\my chime.wav" + end;
        Manifest manifest;
        std::string reason;
        ASSERT_TRUE(ParseManifest(text, manifest, reason)) << reason;
        EXPECT_EQ(manifest.version, 3101);
        ASSERT_EQ(manifest.entries.size(), 2u);
        EXPECT_EQ(manifest.entries[0].path, "Pelimor.exe");
        EXPECT_EQ(manifest.entries[0].size, 0u);
        EXPECT_EQ(manifest.entries[1].sha256Hex, DIGEST_B);
        EXPECT_EQ(manifest.entries[1].size, 1048576u);
        EXPECT_EQ(manifest.entries[1].path, "sound\\default\\my chime.wav");
    }
}

TEST(Manifest, RefusesMalformedTexts) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"no release number", Line("Pelimor.exe")},
        {"release 0", "0\n" + Line("Pelimor.exe")},
        {"release with sign", "+3101\n" + Line("Pelimor.exe")},
        {"release beyond 32 bits", "4294967297\n" + Line("Pelimor.exe")},
        {"cut off before the last line end", "3101\n" + DIGEST_A + " 12 Pelimor.exe"},
        {"short digest", "3101\n" + Line("Pelimor.exe", DIGEST_A.substr(1))},
        {"upper-case digest", "3101\n" + Line("Pelimor.exe", std::string(64, 'A'))},
        {"digest not hex", "3101\n" + Line("Pelimor.exe", std::string(64, 'g'))},
        {"size missing", "3101\n" + DIGEST_A + " Pelimor.exe\n"},
        {"size not a number", "3101\n" + Line("Pelimor.exe", DIGEST_A, "12k")},
        {"size with leading zero", "3101\n" + Line("Pelimor.exe", DIGEST_A, "012")},
        {"negative size", "3101\n" + Line("Pelimor.exe", DIGEST_A, "-1")},
        {"two spaces", "3101\n" + DIGEST_A + "  12 Pelimor.exe\n"},
        {"empty line", "3101\n\n" + Line("Pelimor.exe")},
        {"same file twice", "3101\n" + Line("Pelimor.exe") + Line("Pelimor.exe", DIGEST_B)},
        {"same file twice in other case", "3101\n" + Line("system\\A.dat") + Line("SYSTEM\\a.DAT")},
        {"unsafe path", "3101\n" + Line("Pelimor.exe") + Line("..\\evil.exe")},
    };
    for (const auto& c : cases) {
        Manifest manifest;
        std::string reason;
        EXPECT_FALSE(ParseManifest(c.text, manifest, reason)) << c.what;
        EXPECT_FALSE(reason.empty()) << c.what;
    }
}

TEST(Manifest, AcceptsOnlyPathsInsideTheProgramFolderAndOutsideTheUsersData) {
    const struct {
        const char* path;
        bool safe;
    } cases[] = {
        {"Pelimor.exe", true},
        {"system\\pelimorupdater.exe", true},
        {"sound\\default\\chime.wav", true},
        {"system\\updates.txt", true},
        {"system\\update.journal.tmp", false},
        {"settings.txt", true},
        {"", false},
        {"..", false},
        {"..\\Pelimor.exe", false},
        {"system\\..\\..\\Windows\\evil.dll", false},
        {"system\\..", false},
        {"a..b.txt", false},
        {"\\Windows\\evil.dll", false},
        {"\\\\server\\share\\evil.dll", false},
        {"C:\\Windows\\evil.dll", false},
        {"C:evil.dll", false},
        {"Pelimor.exe:stream", false},
        {"system/evil.dll", false},
        {"/etc/passwd", false},
        {"system\\\\evil.dll", false},
        {"system\\", false},
        {"setting\\iasetting.dat", false},
        {"SETTING\\iasetting.dat", false},
        {"Setting\\sub\\x.dat", false},
        {"setting", false},
        {"setting.\\iasetting.dat", false},
        {"setting \\iasetting.dat", false},
        {"SETTIN~1\\iasetting.dat", false},
        {"system\\update.journal", false},
        {"SYSTEM\\Update.Log", false},
        {"system\\update.new\\Pelimor.exe", false},
        {"system\\update.old\\Pelimor.exe", false},
        {"sound\\\x95\x5c.wav", false},
        {"line\nbreak", false},
        // Windows opens a device for these in any folder, whatever the extension.
        {"CON", false},
        {"nul.txt", false},
        {"system\\Aux.dll", false},
        {"sound\\com1.wav", false},
        {"LPT9.tar.gz", false},
        {"prn .txt", false},
        {"conout$.log", false},
        {"system\\lpt1\\x.dat", false},
        {"console.txt", true},
        {"com10.dll", true},
        {"nullable.txt", true},
        {"sound\\aux-chime.wav", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsSafeUpdatePath(c.path), c.safe) << c.path;
}
