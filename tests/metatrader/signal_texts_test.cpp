#include "metatrader/signal_texts.h"

#include <gtest/gtest.h>

#include "metatrader/trade_signal.h"
#include "base/byte_text.h"

namespace {
// s0..s9 as the server poll stores them.
std::string Entry(int number, const std::string& kind, const std::string& side,
                  const std::string& secondPrice, const std::string& time) {
    return FormatText("%d,Trader%d,EURUSD,%s,%s,1.08500,%s,1.09000,x,%s", number, number,
                      kind.c_str(), side.c_str(), secondPrice.c_str(), time.c_str());
}
}  // namespace

TEST(SignalKindOf, FollowsTheKindAndSideLetters) {
    struct Case {
        const char* kind;
        const char* side;
        int code;
        std::string longText, marker, shortText;
    };
    const Case cases[] = {
        {"C", "S", 4, "CLOSE(決済)", "2◆", "CLS決"}, {"C", "", 4, "CLOSE(決済)", "2◆", "CLS決"},
        {"N", "B", 1, "ASK(買い)", "0▼", "ASK買"},   {"N", "S", 0, "BID(売り)", "1▲", "BID売"},
        {"N", "b", 0, "BID(売り)", "1▲", "BID売"},  // letters are case-sensitive
        {"M", "S", 2, "MOD(変更)", "3■", "MOD変"},   {"", "B", 3, "MOD(変更)", "3■", "MOD変"},
        {"M", "X", 0, "BID(売り)", "1▲", "BID売"},
    };
    for (const Case& c : cases) {
        const SignalKind& kind = SignalKindOf(c.kind, c.side);
        SCOPED_TRACE(std::string(c.kind) + "/" + c.side);
        EXPECT_EQ(kind.code, c.code);
        EXPECT_EQ(kind.longText, c.longText);
        EXPECT_EQ(kind.marker, c.marker);
        EXPECT_EQ(kind.shortText, c.shortText);
    }
}

TEST(TradeSignal, PriceTextShowsTheFirstPriceAloneWhenTheSecondIsZeroOrMissing) {
    EXPECT_EQ(TradeSignal(Entry(1, "N", "B", "0.00000", "")).PriceText(), "1.08500");
    EXPECT_EQ(TradeSignal(Entry(1, "N", "B", "0", "")).PriceText(), "1.08500");
    EXPECT_EQ(TradeSignal(Entry(1, "N", "B", "", "")).PriceText(), "1.08500");
    EXPECT_EQ(TradeSignal(Entry(1, "N", "B", "101.500", "")).PriceText(),
              "1.08500/101.500/1.09000");
    EXPECT_EQ(TradeSignal("1,a,b,N,B").PriceText(), "");
}

TEST(TradeSignal, TimeIsReadAsLocalTimeAndNormalised) {
    LocalTime time;
    ASSERT_TRUE(TradeSignal(Entry(1, "N", "B", "0", "2024.02.30 23:59:58")).Time(time));
    EXPECT_EQ(time.year, 2024);
    EXPECT_EQ(time.month, 3);  // 30 February is 1 March in a leap year
    EXPECT_EQ(time.day, 1);
    EXPECT_EQ(time.hour, 23);
    EXPECT_EQ(time.minute, 59);
    EXPECT_EQ(time.second, 58);

    for (const char* invalid : {"", "2024.03.05", "2024.13.01 10:00:00", "2024.03.05 24:00:00",
                                "2024.03.05 10:60:00", "1899.12.31 10:00:00", "yesterday"})
        EXPECT_FALSE(TradeSignal(Entry(1, "N", "B", "0", invalid)).Time(time)) << invalid;
}

TEST(LatestSignalText, ShowsTheNewestSignalInFourLines) {
    SignalMap signals;
    EXPECT_EQ(LatestSignalText(signals), "");

    signals.emplace(5, Entry(7, "N", "S", "0", "2024.03.05 09:00:00"));
    signals.emplace(9, Entry(12, "N", "B", "0.00000", "2024.03.05 14:07:09"));
    signals.emplace(2, Entry(3, "C", "B", "0", "2024.03.05 15:00:00"));
    const std::string text = LatestSignalText(signals);
    EXPECT_EQ(text, "EURUSD　#12-Trader12\n　　ASK(買い) 14:07\n1.08500\n0▼");
    // The wide spaces are single ideographic spaces in code page 932.
    EXPECT_EQ(text.substr(6, 3), "\x81\x40#");
}

TEST(LatestSignalText, AmongEqualKeysTheLastInsertedIsNewest) {
    SignalMap signals;
    signals.emplace(4, Entry(1, "N", "B", "0", "2024.03.05 10:00:00"));
    signals.emplace(4, Entry(2, "C", "S", "101.500", "2024.03.05 11:30:00"));
    EXPECT_EQ(LatestSignalText(signals),
              "EURUSD　#2-Trader2\n　　CLOSE(決済) 11:30\n1.08500/101.500/1.09000\n2◆");
}

TEST(LatestSignalText, ShowsDashesForAMissingOrInvalidTimeAndEmptyPartsForMissingFields) {
    SignalMap signals;
    signals.emplace(1, Entry(4, "M", "X", "0", "2024.99.99 10:00:00"));
    EXPECT_EQ(LatestSignalText(signals), "EURUSD　#4-Trader4\n　　BID(売り) --:--\n1.08500\n1▲");

    signals.emplace(2, "abc");
    EXPECT_EQ(LatestSignalText(signals), "　#0-\n　　BID(売り) --:--\n\n1▲");
}

TEST(SignalHistoryLines, TwoLinesForEachOfTheSixNewestSignals) {
    SignalMap signals;
    EXPECT_TRUE(SignalHistoryLines(signals).empty());

    for (int number = 1; number <= 7; ++number)
        signals.emplace(number * 10,
                        Entry(number, number % 2 ? "N" : "C", "B", number == 7 ? "101.500" : "0",
                              FormatText("2024.03.%02d 08:%02d:05", number, number)));
    const std::vector<std::string> lines = SignalHistoryLines(signals);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "3/7 08:07:05 EURUSD #7-Trader7");
    EXPECT_EQ(lines[1], " ASK買 1.08500/101.500/1.09000");
    EXPECT_EQ(lines[2], "3/6 08:06:05 EURUSD #6-Trader6");
    EXPECT_EQ(lines[3], " CLS決 1.08500");
    EXPECT_EQ(lines[10], "3/2 08:02:05 EURUSD #2-Trader2");
    for (const std::string& line : lines) EXPECT_EQ(line.find("#1-"), std::string::npos);
}

TEST(SignalHistoryLines, ShowsDashesForAnInvalidTime) {
    SignalMap signals;
    signals.emplace(1, Entry(8, "N", "S", "0", "2024.03.05"));
    const std::vector<std::string> lines = SignalHistoryLines(signals);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "--/-- --:--:-- EURUSD #8-Trader8");
    EXPECT_EQ(lines[1], " BID売 1.08500");
}

TEST(SignalMessagesHtml, ListsTheTenNewestMessagesWithTheirTradersNames) {
    MessageMap messages;
    TraderNameMap names{{3, "山田"}, {4, "Smith"}};
    EXPECT_EQ(SignalMessagesHtml(messages, names), "");

    for (int key = 1; key <= 12; ++key)
        messages.emplace(key,
                         FormatText("%d,%d,%d,message %d,extra", key, key % 2 ? 3 : 4, key, key));
    messages.emplace(20, "99,77,20,nobody");
    const std::string html = SignalMessagesHtml(messages, names);

    std::string expected = "　：nobody<br>\n<br>\n";
    for (int key = 12; key >= 4; --key)
        expected += FormatText("　%s：message %d<br>\n<br>\n", key % 2 ? "山田" : "Smith", key);
    EXPECT_EQ(html, expected);
}

TEST(SignalMessagesHtml, ShowsMarkupInNamesAndMessagesAsText) {
    MessageMap messages;
    TraderNameMap names{{3, "<b onclick=\"x()\">Bob</b> & Co"}};
    messages.emplace(1, "1,3,100,<script>alert(\"1\")</script> &amp; ソ表<img src=x>");
    EXPECT_EQ(SignalMessagesHtml(messages, names),
              "　&lt;b onclick=&quot;x()&quot;&gt;Bob&lt;/b&gt; &amp; Co："
              "&lt;script&gt;alert(&quot;1&quot;)&lt;/script&gt; &amp;amp; ソ表&lt;img "
              "src=x&gt;<br>\n<br>\n");
}
