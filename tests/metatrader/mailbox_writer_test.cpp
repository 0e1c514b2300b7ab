#include "metatrader/mailbox_writer.h"

#include <gtest/gtest.h>

#include "base/local_time.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
struct Write {
    int chain, level;
    int32_t value;
    bool operator==(const Write&) const = default;
};

class RecordingMailbox : public EaMailbox {
public:
    void SetValue(int chain, int level, int32_t value) override {
        writes.push_back({chain, level, value});
    }
    std::vector<Write> writes;
};

const std::vector<Write> CLEARED = {{1, 1, 0}, {1, 2, 0}, {1, 3, 0}, {2, 1, 0}, {2, 2, 0},
                                    {2, 3, 0}, {3, 1, 0}, {3, 2, 0}, {3, 3, 0}};

class MailboxWriterTest : public ::testing::Test {
protected:
    MailboxWriterTest() {
        os.now = FromLocalTime(2024, 3, 1, 9, 0, 0);
        indicators.Merge(
            "2024/3/4##21:30##1##First one##0##r##f##p##3\n"
            "2024/3/4##21:30##2##Same time##0##r##f##p##3\n"
            "2024/3/8##9:00##1##Seven days on##0##r##f##p##1\n"
            "2024/3/9##9:00##1##Later still##0##r##f##p##5\n",
            IndicatorFilePath(), 0, nextId);
    }

    const IndicatorRecord& Indicator(const std::string& name) const {
        for (const auto& [when, record] : indicators.All())
            if (record.name == name) return record;
        ADD_FAILURE() << "no indicator " << name;
        static const IndicatorRecord none;
        return none;
    }

    AutoTradeRule& RuleFor(const std::string& name, int32_t pairMask, int32_t direction = 0) {
        AutoTradeRule& rule = rules.FindOrCreateRule(Indicator(name).id);
        rule.pairMask = pairMask;
        rule.direction = direction;
        return rule;
    }

    std::vector<Write> Published() {
        RecordingMailbox mailbox;
        MailboxWriter(mailbox, indicators, rules);
        return mailbox.writes;
    }

    static std::vector<Write> ClearedThen(int32_t time, int32_t mask, int32_t direction) {
        std::vector<Write> writes = CLEARED;
        writes.insert(writes.end(), {{1, 1, time}, {1, 2, mask}, {1, 3, direction}});
        return writes;
    }

    FakeOs os;
    IndicatorStore indicators;
    AutoTradeRuleStore rules;
    int32_t nextId = 1;
};
}  // namespace

TEST_F(MailboxWriterTest, WithoutRulesEveryValueIsZero) {
    EXPECT_EQ(NextRuledIndicator(indicators, rules), nullptr);
    EXPECT_EQ(Published(), CLEARED);
}

TEST_F(MailboxWriterTest, PublishesTheNextRuledAnnouncementInChainOne) {
    RuleFor("Later still", 0x4004, TRADE_BOTH);
    RuleFor("Seven days on", 1 << 25, TRADE_BUY_ONLY);
    const int64_t when = Indicator("Seven days on").when;
    EXPECT_EQ(Published(), ClearedThen(static_cast<int32_t>(when), 1 << 25, 1));
}

TEST_F(MailboxWriterTest, TheExpertAdvisorCountsTheDirectionsTheOtherWayRound) {
    const int32_t when = static_cast<int32_t>(Indicator("First one").when);
    RuleFor("First one", 1, TRADE_SELL_ONLY);
    EXPECT_EQ(Published(), ClearedThen(when, 1, 2));
    RuleFor("First one", 1, TRADE_BUY_ONLY);
    EXPECT_EQ(Published(), ClearedThen(when, 1, 1));
    RuleFor("First one", 1, 7);
    EXPECT_EQ(Published(), ClearedThen(when, 1, 0));
}

TEST_F(MailboxWriterTest, RulesWithoutSymbolsAreSkipped) {
    AutoTradeRule& linkOnly = RuleFor("First one", 0);
    linkOnly.iaLink = 1;
    linkOnly.pairMaskHigh = 1;  // no symbol lives there
    RuleFor("Same time", 0x10, TRADE_SELL_ONLY);
    const AutoTradeRule* next = NextRuledIndicator(indicators, rules);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->indicatorId, Indicator("Same time").id);
}

TEST_F(MailboxWriterTest, TheSevenDayWindowIncludesBothEnds) {
    RuleFor("Seven days on", 0x8);
    RuleFor("Later still", 0x20);
    const int64_t when = Indicator("Seven days on").when;

    os.now = when - 604801;  // one second too early
    EXPECT_EQ(NextRuledIndicator(indicators, rules), nullptr);
    os.now = when - 604800;
    ASSERT_NE(NextRuledIndicator(indicators, rules), nullptr);
    EXPECT_EQ(NextRuledIndicator(indicators, rules)->pairMask, 0x8);

    os.now = when;  // announced this very second
    EXPECT_EQ(NextRuledIndicator(indicators, rules)->pairMask, 0x8);
    os.now = when + 1;  // gone: the next ruled announcement takes its place
    EXPECT_EQ(NextRuledIndicator(indicators, rules)->pairMask, 0x20);
}
