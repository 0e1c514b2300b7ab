// The fields of the line files: hexadecimal numbers and texts, each followed by its separator,
// and decimal numbers read as atoi does.
#include "base/field_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

TEST(HexFields, RoundTripNegativeValues) {
    std::string text;
    AppendHexField(text, static_cast<uint32_t>(-1));
    AppendHexField(text, 0x1A2B);
    EXPECT_EQ(text,
              "FFFFFFFF\x07"
              "00001A2B\x07");
    std::string_view rest = text;
    EXPECT_EQ(TakeHexField(rest), -1);
    EXPECT_EQ(TakeHexField(rest), 0x1A2B);
    EXPECT_EQ(rest, "");
}

TEST(HexFields, MalformedOrMissingFieldsReadAsZero) {
    std::string_view text =
        "zz\x07"
        "12345678AB\x07"
        "\x07"
        "nosep";
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
