#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"

#include <gtest/gtest.h>

TEST(SplitFirst, CutsAtTheFirstDelimiterAndLeavesTheRest) {
    std::string text = "a##b##c", head;
    ASSERT_TRUE(SplitFirst(text, head, "##"));
    EXPECT_EQ(head, "a");
    EXPECT_EQ(text, "b##c");
}

TEST(SplitFirst, WithoutTheDelimiterChangesNothing) {
    std::string text = "ab", head = "keep";
    EXPECT_FALSE(SplitFirst(text, head, "##"));
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(head, "keep");
}

TEST(FieldAt, PicksFieldsByPositionAndFailsPastTheLast) {
    std::string field;
    ASSERT_TRUE(FieldAt("x,y,z", 0, ",", field));
    EXPECT_EQ(field, "x");
    ASSERT_TRUE(FieldAt("x,y,z", 2, ",", field));
    EXPECT_EQ(field, "z");
    field = "unchanged";
    EXPECT_FALSE(FieldAt("x,y,z", 3, ",", field));
    EXPECT_EQ(field, "unchanged");
    ASSERT_TRUE(FieldAt("whole", 0, ",", field));
    EXPECT_EQ(field, "whole");
    ASSERT_TRUE(FieldAt("a,,b", 1, ",", field));
    EXPECT_EQ(field, "");
}

TEST(CountAndCut, CountsNonOverlappingAndCutsBytes) {
    EXPECT_EQ(CountOccurrences("aaaa", "aa"), 2);
    EXPECT_EQ(CountOccurrences("abc", ""), 0);
    EXPECT_EQ(LeftBytes("abcdef", 2), "ab");
    EXPECT_EQ(RightBytes("abcdef", 2), "ef");
    EXPECT_EQ(LeftBytes("ab", 5), "ab");
    EXPECT_EQ(RightBytes("ab", 5), "ab");
}

TEST(Trim, RemovesEveryRepetition) {
    std::string text = "x\r\r";
    TrimSuffix(text, "\r");
    EXPECT_EQ(text, "x");
    text = "//a/";
    TrimPrefix(text, "/");
    EXPECT_EQ(text, "a/");
    text = "abab";
    TrimSuffix(text, "ab");
    EXPECT_EQ(text, "");
}

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
        {"\x83\x7C|", "|", 0, 2},                       // ポ|
        {"\x81\x7C\x92\x7C", "|", 0, std::string::npos},  // －竹
        {"a|\x83\x7C|b", "|", 2, 4},                    // a|ポ|b, after the first bar
        {"\x95\x5C\x83\x5C\\", "\\", 0, 4},             // 表ソ and a backslash
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
    } cases[] = {{0x40, false}, {0x7F, false}, {0x80, false}, {0x81, true}, {0x9F, true},
                 {0xA0, false}, {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false},
                 {0xFF, false}};
    for (const auto& c : cases) EXPECT_EQ(IsCp932LeadByte(c.byte), c.lead) << int(c.byte);
}

TEST(SplitLines, DropsTrailingCrsAndTheUnterminatedLastLine) {
    std::vector<std::string> expected{"a", "b", ""};
    EXPECT_EQ(SplitLines("a\r\nb\n\nc"), expected);
    EXPECT_TRUE(SplitLines("no line end").empty());
    EXPECT_EQ(SplitLines("x\r\r\n"), std::vector<std::string>{"x"});
    EXPECT_EQ(SplitLines("a\rb\n"), std::vector<std::string>{"a\rb"});
}

TEST(JoinLines, EndsEveryLineWithTheSeparator) {
    EXPECT_EQ(JoinLines({"a", "b"}), "a\nb\n");
    EXPECT_EQ(JoinLines({}), "");
    EXPECT_EQ(JoinLines({"a"}, "\r\n"), "a\r\n");
}

TEST(HexFields, RoundTripNegativeValues) {
    std::string text;
    AppendHexField(text, static_cast<uint32_t>(-1));
    AppendHexField(text, 0x1A2B);
    EXPECT_EQ(text, "FFFFFFFF\x07" "00001A2B\x07");
    std::string_view rest = text;
    EXPECT_EQ(TakeHexField(rest), -1);
    EXPECT_EQ(TakeHexField(rest), 0x1A2B);
    EXPECT_EQ(rest, "");
}

TEST(HexFields, MalformedOrMissingFieldsReadAsZero) {
    std::string_view text = "zz\x07" "12345678AB\x07" "\x07" "nosep";
    EXPECT_EQ(TakeHexField(text), 0);
    EXPECT_EQ(TakeHexField(text), 0x12345678);  // at most eight digits
    EXPECT_EQ(TakeHexField(text), 0);
    EXPECT_EQ(TakeHexField(text), 0);
    EXPECT_EQ(text, "nosep");
}

TEST(TextFields, AppendAndTake) {
    std::string text;
    AppendTextField(text, "お知らせ");
    AppendTextField(text, "");
    std::string_view rest = text;
    EXPECT_EQ(TakeTextField(rest), "お知らせ");
    EXPECT_EQ(TakeTextField(rest), "");
    EXPECT_EQ(TakeTextField(rest), "");
}

TEST(ReadDecimal, FollowsAtoiAndClampsHugeValues) {
    EXPECT_EQ(ReadDecimal("42abc"), 42);
    EXPECT_EQ(ReadDecimal("  -17"), -17);
    EXPECT_EQ(ReadDecimal("+5"), 5);
    EXPECT_EQ(ReadDecimal("x1"), 0);
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(ReadDecimal("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(ReadDecimal("-99999999999999999999"), INT32_MIN);
}

TEST(Literals, CompileToCp932) {
    // "お" is 0x82 0xA8 in CP932 (three bytes in UTF-8).
    EXPECT_EQ(std::string("お"), "\x82\xA8");
}
