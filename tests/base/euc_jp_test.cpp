#include "base/euc_jp.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(EucJpToCp932, KeepsAscii) {
    const std::string ascii = "id<<>>Title 12:00 \\ ~\r\n\t\x7F";
    EXPECT_EQ(EucJpToCp932(ascii), ascii);
}

TEST(EucJpToCp932, ConvertsJisX0208Kanji) {
    EXPECT_EQ(EucJpToCp932("\xC6\xFC\xCB\xDC"), "\x93\xFA\x96\x7B");  // 日本
    EXPECT_EQ(EucJpToCp932("\xC6\xFC\xCB\xDC"), "日本");
    EXPECT_EQ(EucJpToCp932("\xA4\xAA\xC3\xCE\xA4\xE9\xA4\xBB"), "お知らせ");
    EXPECT_EQ(EucJpToCp932("USD/JPY\xB1\xDF"), "USD/JPY円");  // 円 ends in 0x7E in CP932
}

TEST(EucJpToCp932, ConvertsTheRowsWhereTheLeadByteRangeChanges) {
    // JIS rows 0x5E and 0x5F sit on either side of the gap between 0x9F and 0xE0.
    EXPECT_EQ(EucJpToCp932("\xDE\xA1\xDF\xA1"), "\x9F\x9F\xE0\x40");
    EXPECT_EQ(EucJpToCp932("\xF4\xA6"), "熙");        // the last character of the second level
    EXPECT_EQ(EucJpToCp932("\xC9\xBD"), "\x95\x5C");  // 表: its second byte is a backslash
}

TEST(EucJpToCp932, SkipsTheDeleteByteInTheSecondByteOfOddRows) {
    // In an odd JIS row cell 0x5F ends at 0x7E and cell 0x60 goes on at 0x80, past 0x7F.
    EXPECT_EQ(EucJpToCp932("\xA1\xDF\xA1\xE0"), "\x81\x7E\x81\x80");  // ×÷
    EXPECT_EQ(EucJpToCp932("\xB1\xDF\xB1\xE0"), "\x89\x7E\x89\x80");  // 円園
    EXPECT_EQ(EucJpToCp932("\xA1\xE0"), "÷");
    EXPECT_EQ(EucJpToCp932("\xB1\xE0"), "園");
}

TEST(EucJpToCp932, PutsUserDefinedRowsIntoTheUserDefinedArea) {
    EXPECT_EQ(EucJpToCp932("\xF5\xA1"), "\xF0\x40");
    EXPECT_EQ(EucJpToCp932("\xFE\xFE"), "\xF4\xFC");
}

TEST(EucJpToCp932, ConvertsHalfWidthKatakana) {
    EXPECT_EQ(EucJpToCp932("\x8E\xB1\x8E\xDF"), "\xB1\xDF");  // ｱﾟ
    EXPECT_EQ(EucJpToCp932("\x8E\xB1\x8E\xDF"), "ｱﾟ");
    EXPECT_EQ(EucJpToCp932("\x8E\xE0"), "??");  // 0xE0 is no katakana code, nor a whole kanji
}

TEST(EucJpToCp932, ReplacesAJisX0212CharacterByOneQuestionMark) {
    EXPECT_EQ(EucJpToCp932("a\x8F\xB0\xA1"
                           "b"),
              "a?b");  // 丂 has no CP932 code
}

TEST(EucJpToCp932, ReplacesBrokenSequencesWithoutSwallowingTheNextByte) {
    EXPECT_EQ(EucJpToCp932("\xC6\n2<<>>"), "?\n2<<>>");
    EXPECT_EQ(EucJpToCp932("\x8E"
                           "A"),
              "?A");
    EXPECT_EQ(EucJpToCp932("\x8F\xB0"
                           "x"),
              "?x");
    EXPECT_EQ(EucJpToCp932("\x80\xA0\xFF"
                           "z"),
              "???z");
}

TEST(EucJpToCp932, ReplacesSequencesTruncatedAtTheEnd) {
    EXPECT_EQ(EucJpToCp932("ok\xC6"), "ok?");
    EXPECT_EQ(EucJpToCp932("ok\x8E"), "ok?");
    EXPECT_EQ(EucJpToCp932("ok\x8F"), "ok?");
    EXPECT_EQ(EucJpToCp932("ok\x8F\xB0"), "ok?");
}

TEST(EucJpToCp932, EndsAtTheFirstNul) {
    EXPECT_EQ(EucJpToCp932("ab\0\xC6\xFC"s), "ab");
    EXPECT_EQ(EucJpToCp932(""), "");
}
