#include "store/news_feed.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(ParseNewsFeed, ReadsItemLinesAfterTheHeaderUpToTheFirstEmptyLine) {
    const std::string feed =
        "1<<>>header<<>>looks<<>>like<<>>1<<>>\n"
        "12<<>>Title<<>>Body<br>text<<>>any<<>>1700000000<<>>\n"
        "13<<>>Second<<>>B<<>>x<<>>1700000060<<>>tail ignored\n"
        "\n"
        "14<<>>after the empty line<<>>B<<>>x<<>>1<<>>\n";
    auto items = ParseNewsFeed(feed);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, 12);
    EXPECT_EQ(items[0].title, "Title");
    EXPECT_EQ(items[0].body, "Body<br>text");
    EXPECT_EQ(items[0].when, 1700000000);
    EXPECT_TRUE(items[0].unread);
    EXPECT_FALSE(items[0].announced);
    EXPECT_FALSE(items[0].advert);
    EXPECT_EQ(items[1].id, 13);
    EXPECT_EQ(items[1].when, 1700000060);
}

TEST(ParseNewsFeed, DropsTheHeaderLineAndTheTextAfterTheLastLineFeed) {
    auto items = ParseNewsFeed(
        "header\n"
        "5<<>>T<<>>B<<>>x<<>>9<<>>\n"
        "6<<>>unterminated<<>>B<<>>x<<>>9<<>>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, 5);
    EXPECT_TRUE(ParseNewsFeed("header only, no line feed").empty());
    EXPECT_TRUE(ParseNewsFeed("").empty());
}

TEST(ParseNewsFeed, TakesABodyEndingInXcfAsAnAdvert) {
    auto items = ParseNewsFeed("h\n12<<>>Ad<<>>Watch thisXCF<<>>x<<>>1700000000<<>>\n");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, 12);
    EXPECT_EQ(items[0].body, "Watch this");
    EXPECT_TRUE(items[0].advert);
    EXPECT_FALSE(items[0].unread);
    EXPECT_TRUE(items[0].announced);

    items = ParseNewsFeed("h\n1<<>>T<<>>XC<<>>x<<>>1<<>>\n");
    EXPECT_FALSE(items[0].advert);
    EXPECT_EQ(items[0].body, "XC");
}

TEST(ParseNewsFeed, RepeatsThePreviousFieldWhereSeparatorsAreMissing) {
    // Only text followed by a separator counts: "rest" is ignored.
    auto items = ParseNewsFeed("h\n7<<>>title<<>>rest\n5<<>>\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, 7);
    EXPECT_EQ(items[0].title, "title");
    EXPECT_EQ(items[0].body, "title");
    EXPECT_EQ(items[0].when, 0);
    EXPECT_EQ(items[1].title, "5");
    EXPECT_EQ(items[1].body, "5");
    EXPECT_EQ(items[1].when, 5);
}

TEST(ParseNewsFeed, TakesALineOfOnlyACarriageReturnAsAnEmptyItem) {
    auto items = ParseNewsFeed("h\n\r\n3<<>>T<<>>B<<>>x<<>>4<<>>\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, 0);
    EXPECT_EQ(items[0].title, "");
    EXPECT_EQ(items[0].body, "");
    EXPECT_EQ(items[0].when, 0);
    EXPECT_EQ(items[1].id, 3);  // the CR after the last separator is ignored
    EXPECT_EQ(items[1].when, 4);
}

TEST(ParseNewsFeed, ReadsNegativeAndOversizedNumbers) {
    auto items = ParseNewsFeed(
        "h\n-5<<>>T<<>>B<<>>x<<>>-100<<>>\n99999999999<<>>T<<>>B<<>>x<<>>99999999999<<>>\n"
        "id<<>>T<<>>B<<>>x<<>>soon<<>>\n");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].id, -5);
    EXPECT_EQ(items[0].when, -100);
    EXPECT_EQ(items[1].id, INT32_MAX);
    EXPECT_EQ(items[1].when, INT32_MAX);
    EXPECT_EQ(items[2].id, 0);
    EXPECT_EQ(items[2].when, 0);
}

TEST(ParseNewsFeed, EndsAtTheFirstNulByte) {
    auto items = ParseNewsFeed("h\n1<<>>T<<>>B<<>>x<<>>1<<>>\n2<<>>T\0<<>>B<<>>x<<>>1<<>>\n"s);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, 1);
}

TEST(ParseNewsFeed, RemovesTheLocalFileFieldSeparatorFromTexts) {
    auto items = ParseNewsFeed(
        "h\n1<<>>a\x07"
        "b<<>>\x07"
        "c<<>>x<<>>1<<>>\n");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].title, "ab");
    EXPECT_EQ(items[0].body, "c");
}

TEST(ParseNewsFeed, KeepsDoubleByteTexts) {
    auto items = ParseNewsFeed("h\n1<<>>雇用統計<<>>米国の表<br>です<<>>x<<>>1<<>>\n");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].title, "雇用統計");
    EXPECT_EQ(items[0].body, "米国の表<br>です");
}
