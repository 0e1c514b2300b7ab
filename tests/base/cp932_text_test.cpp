// Text in CP932 as the program keeps it: double-byte characters whose second byte looks like a
// separator or a letter, and string literals compiled to CP932.
#include "base/cp932_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(ReplaceAllMbcs, ReplacesSingleByteMatches) {
    std::string text = "C:\\a\\b";
    ReplaceAllMbcs(text, "\\", "/");
    EXPECT_EQ(text, "C:/a/b");
    text = "a&amp;b&amp;";
    ReplaceAllMbcs(text, "&amp;", "&");
    EXPECT_EQ(text, "a&b&");
}

TEST(ReplaceAllMbcs, LeavesTheSecondByteOfADoubleByteCharacter) {
    // 表 is 0x95 0x5C in CP932: its second byte looks like a backslash.
    std::string text = "C:\\\x95\x5C\\x";
    ReplaceAllMbcs(text, "\\", "/");
    EXPECT_EQ(text, "C:/\x95\x5C/x");
}

TEST(ReplaceAllMbcs, ScansOnAfterTheInsertedReplacement) {
    std::string text = "aa";
    ReplaceAllMbcs(text, "a", "aa");
    EXPECT_EQ(text, "aaaa");
    text = "abc";
    ReplaceAllMbcs(text, "", "x");
    EXPECT_EQ(text, "abc");
}

// "表" is 0x95 0x5C in CP932: its second byte looks like a backslash.
TEST(PathCharacters, ASecondByteIsNeverASeparatorOrALetter) {
    const std::string table = "C:\\\x95\x5C";  // C:\表
    EXPECT_EQ(FindLastOfMbcs(table, "\\/"), 2u);
    EXPECT_EQ(FindLastOfMbcs("a/b\\c", "\\/"), 3u);
    EXPECT_EQ(FindLastOfMbcs("abc", "\\/"), std::string::npos);

    EXPECT_EQ(WithTrailingMbcs(table, '\\'), table + "\\");
    EXPECT_EQ(WithTrailingMbcs("C:\\MT4\\", '\\'), "C:\\MT4\\");
    EXPECT_EQ(WithTrailingMbcs("", '\\'), "\\");

    // 0x83 0x41 and 0x83 0x61 are two different katakana, not "A" and "a".
    EXPECT_EQ(LowerAsciiLetters("C:\\Tools\x83\x41"), "c:\\tools\x83\x41");
}

// Second bytes 0x7C and 0x5C: "ポ" 83 7C, "－" 81 7C, "竹" 92 7C, "表" 95 5C, "ソ" 83 5C.
TEST(PathCharacters, FirstOfSkipsSecondBytesFromACharacterStart) {
    const struct {
        std::string text;
        std::string_view chars;
        size_t from;
        size_t expected;
    } cases[] = {
        {"\x83\x7C|", "|", 0, 2},                         // ポ|
        {"\x81\x7C\x92\x7C", "|", 0, std::string::npos},  // －竹
        {"a|\x83\x7C|b", "|", 2, 4},                      // a|ポ|b, after the first bar
        {"\x95\x5C\x83\x5C\\", "\\", 0, 4},               // 表ソ and a backslash
        {"", "|", 0, std::string::npos},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindFirstOfMbcs(c.text, c.chars, c.from), c.expected) << c.text;
}

// The lead-byte ranges 0x81-0x9F and 0xE0-0xFC, held at both ends and their neighbours.
TEST(PathCharacters, LeadByteRangesEndExactly) {
    const struct {
        unsigned char byte;
        bool lead;
    } cases[] = {{0x40, false}, {0x7F, false}, {0x80, false}, {0x81, true},
                 {0x9F, true},  {0xA0, false}, {0xDF, false}, {0xE0, true},
                 {0xFC, true},  {0xFD, false}, {0xFF, false}};
    for (const auto& c : cases) EXPECT_EQ(IsCp932LeadByte(c.byte), c.lead) << int(c.byte);
}

TEST(Literals, CompileToCp932) {
    // "お" is 0x82 0xA8 in CP932 (three bytes in UTF-8).
    EXPECT_EQ(std::string("お"), "\x82\xA8");
}
