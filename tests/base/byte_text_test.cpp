// Byte-wise text helpers: splitting, fields, trimming and lines.
#include "base/byte_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
