// The writer sides of the feed formats and of the EUC-JP conversion: what the publisher writes
// is read back by the panel's own readers as it was meant.
#include <gtest/gtest.h>

#include <string>

#include "base/local_time.h"
#include "base/euc_jp.h"
#include "store/indicator_feed.h"
#include "store/news_feed.h"

using namespace std::string_literals;

namespace {
TEST(Cp932ToEucJp, IsTheInverseOfTheDecoderForEveryCharacterItProduces) {
    for (int first = 0xA1; first <= 0xFE; ++first) {
        for (int second = 0xA1; second <= 0xFE; ++second) {
            const std::string euc{static_cast<char>(first), static_cast<char>(second)};
            const std::string cp932 = EucJpToCp932(euc);
            ASSERT_EQ(Cp932ToEucJp(cp932), euc) << std::hex << first << " " << second;
        }
    }
    for (int kana = 0xA1; kana <= 0xDF; ++kana) {
        const std::string cp932(1, static_cast<char>(kana));
        EXPECT_EQ(EucJpToCp932(Cp932ToEucJp(cp932)), cp932) << std::hex << kana;
    }
}

TEST(Cp932ToEucJp, ConvertsTextAndKeepsAscii) {
    EXPECT_EQ(Cp932ToEucJp("ドル円 151.20 表\n"), "\xA5\xC9\xA5\xEB\xB1\xDF 151.20 \xC9\xBD\n");
    EXPECT_EQ(Cp932ToEucJp("\xB1"), "\x8E\xB1");  // half-width ｱ
}

TEST(Cp932ToEucJp, WritesAQuestionMarkForWhatEucJpCannotHoldAndNeverSwallowsALineFeed) {
    EXPECT_EQ(Cp932ToEucJp("a\xFA\x40"
                           "b"),
              "a?b");  // IBM extension: no EUC-JP code
    EXPECT_EQ(Cp932ToEucJp("a\xED\x40"
                           "b"),
              "a?b");                            // NEC-selected IBM extension
    EXPECT_EQ(Cp932ToEucJp("\x82\n2"), "?\n2");  // a lead byte without its trail
    EXPECT_EQ(Cp932ToEucJp("ok\x82"), "ok?");    // cut at the end
    EXPECT_EQ(Cp932ToEucJp("\x80\xA0\xFD"
                           "z"),
              "???z");
    EXPECT_EQ(Cp932ToEucJp("ab\0\x82\xA0"s), "ab");
}

LocalTime At(int year, int month, int day, int hour, int minute) {
    LocalTime at;
    at.year = year, at.month = month, at.day = day, at.hour = hour, at.minute = minute;
    return at;
}

TEST(IndicatorFeedLine, ReadsBackAsTheRecordWithTextsThatCannotSplitALine) {
    struct Case {
        std::string name, forecast;
        std::string readName, readForecast;
    };
    const Case cases[] = {
        {"米・S&P 500 &amp; more", "3.1%", "米・S&P 500 &amp; more", "3.1%"},
        {"C# ## index#", "#1", "C＃ ＃＃ index＃", "＃1"},
        {"two\r\nlines\x07here", "a\nb", "two  lines here", "a b"},
        {"表示ソフト|能", "", "表示ソフト|能", ""},
    };
    for (const Case& c : cases) {
        IndicatorRecord record;
        record.name = c.name;
        record.forecast = c.forecast;
        record.previous = "2.9%";
        record.result = "-";
        record.country = -1;
        record.rank = 5;
        record.highlight = 1;
        const std::string line = IndicatorFeedLine(At(2026, 3, 8, 21, 5), record);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        const std::vector<IndicatorRecord> read = ParseIndicatorFeed(line + "\n");
        ASSERT_EQ(read.size(), 1u) << line;
        EXPECT_EQ(read[0].when, FromLocalTime(2026, 3, 8, 21, 5, 0));
        EXPECT_EQ(read[0].name, c.readName);
        EXPECT_EQ(read[0].forecast, c.readForecast);
        EXPECT_EQ(read[0].previous, "2.9%");
        EXPECT_EQ(read[0].result, "-");
        EXPECT_EQ(read[0].country, -1);
        EXPECT_EQ(read[0].rank, 5);
        EXPECT_EQ(read[0].highlight, 1);
    }
}

TEST(NewsFeedItemLine, ReadsBackAsTheItemWhateverItsTexts) {
    iaNews item;
    item.id = 42;
    item.when = 1797000000;
    item.title = "a<<>>b\r\nc";
    item.body = "<p>x</p><<>>y\nz XCF";
    iaNews advert = item;
    advert.id = 43;
    advert.body = "<iframe></iframe>";
    advert.advert = true;
    const std::string feed = NewsFeedHeaderLine("QZNNEWS", 2, 1797000000) + NewsFeedItemLine(item) +
                             NewsFeedItemLine(advert);
    const std::vector<iaNews> read = ParseNewsFeed(feed);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].id, 42);
    EXPECT_EQ(read[0].when, 1797000000);
    EXPECT_EQ(read[0].title, "a<< >>b  c");
    EXPECT_EQ(read[0].body, "<p>x</p><< >>y z XCF ");
    EXPECT_FALSE(read[0].advert);
    EXPECT_EQ(read[1].id, 43);
    EXPECT_EQ(read[1].body, "<iframe></iframe>");
    EXPECT_TRUE(read[1].advert);
}
}  // namespace
