#include "store/indicator_feed.h"

#include <gtest/gtest.h>

#include <string>

#include "base/local_time.h"

using namespace std::literals;

namespace {
std::vector<std::string> Names(const std::vector<IndicatorRecord>& records) {
    std::vector<std::string> names;
    for (const IndicatorRecord& record : records) names.push_back(record.name);
    return names;
}
}  // namespace

TEST(IndicatorFeed, ReadsEveryNonEmptyLineOfTheBodyEmptyLinesWithCrLfIncluded) {
    auto records = ParseIndicatorFeed("2013/9/4##21:30##1##First\n\n\r\n2013/9/5##8:00##1##Second");
    EXPECT_EQ(Names(records), (std::vector<std::string>{"First", "Second"}));
    // Written with CR LF: an empty line between announcements, and one at the end.
    records = ParseIndicatorFeed(
        "2013/9/4##21:30##1##First##0##-##1##2##4\r\n\r\n"
        "2013/9/5##8:00##1##Second##0##-##1##2##4\r\n"
        "2013/9/6##9:00##1##Third##0##-##1##2##4\r\n\r\n");
    EXPECT_EQ(Names(records), (std::vector<std::string>{"First", "Second", "Third"}));
}

TEST(IndicatorFeed, MissingFieldsReadAsEmptyOrZero) {
    auto records = ParseIndicatorFeed(
        "2013/9/4##21:30\n"
        "2013/9/4##21:30##x##Name##1##res\r\n"
        "2013/9/4##21:30##-7##Name2##99999999999##r##f##p##abc\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, "");
    EXPECT_EQ(records[0].country, 0);  // not -1: an unreadable number is 0
    EXPECT_EQ(records[1].country, 0);
    EXPECT_EQ(records[1].result, "res\r");
    EXPECT_EQ(records[1].forecast, "");
    EXPECT_EQ(records[2].country, -7);
    EXPECT_EQ(records[2].highlight, INT32_MAX);
    EXPECT_EQ(records[2].rank, 0);
}

TEST(IndicatorFeed, SkipsLinesWithoutARealStorableTimeAndKeepsTheRest) {
    auto records = ParseIndicatorFeed(
        "2013/13/1##10:00##1##Month13\n"
        "2013/0/1##10:00##1##Month0\n"
        "2013/9/0##10:00##1##Day0\n"
        "2013/9/4##25:00##1##Hour25\n"
        "2013/9/4##-1:00##1##HourNeg\n"
        "2013/9/4##12:60##1##Minute60\n"
        "1899/12/31##10:00##1##Year1899\n"
        "1950/1/1##10:00##1##Before1970\n"
        "2200/1/1##10:00##1##After2106\n"
        "99999999999/1/1##10:00##1##HugeYear\n"
        "2013 /9/4##10:00##1##SpaceBeforeSlash\n"
        "\r\n"
        "2016/2/29##10:00##1##LeapDay\n"
        "2013/2/28##23:59##1##LastMinute\n"
        " 2013/ 9/4x## 7:5##1##Spaces\n");
    EXPECT_EQ(Names(records), (std::vector<std::string>{"LeapDay", "LastMinute", "Spaces"}));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].when, FromLocalTime(2013, 9, 4, 7, 5, 0));
}

TEST(IndicatorFeed, ADayPastTheMonthsEndIsCarriedIntoTheNextMonth) {
    auto records = ParseIndicatorFeed(
        "2013/2/30##10:00##1##Feb30\n"
        "2016/2/30##10:00##1##Feb30Leap\n"
        "2013/4/31##09:15##1##Apr31\n"
        "2013/1/32##10:00##1##Day32\n");
    EXPECT_EQ(Names(records), (std::vector<std::string>{"Feb30", "Feb30Leap", "Apr31"}));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].when, FromLocalTime(2013, 3, 2, 10, 0, 0));
    EXPECT_EQ(records[1].when, FromLocalTime(2016, 3, 1, 10, 0, 0));
    EXPECT_EQ(records[2].when, FromLocalTime(2013, 5, 1, 9, 15, 0));
}

TEST(IndicatorFeed, KeepsTextsSafeForTheIndicatorFile) {
    // The feed ends at its first NUL, like every text.
    auto records = ParseIndicatorFeed(
        "2013/9/4##10:00##1##Bell\x07Name##0##r\x07##f##p##1\n"
        "2013/9/4##10:00##1##Cut\0Hidden\n2013/9/4##10:00##1##After\n"sv);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, "Bell Name");
    EXPECT_EQ(records[0].result, "r ");
    EXPECT_EQ(records[1].name, "Cut");
}

TEST(IndicatorFeed, TurnsAmpEntitiesIntoAmpersandsButNeverInsideACharacter) {
    // 0x81 starts a double-byte character, so the "&" after it is that character's second byte.
    auto records =
        ParseIndicatorFeed("2013/9/4##10:00##1##A&amp;B&amp;amp;\n2013/9/4##10:00##1##\x81&amp;\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, "A&B&amp;");
    EXPECT_EQ(records[1].name, "\x81&amp;");
}
