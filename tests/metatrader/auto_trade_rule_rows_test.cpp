#include "metatrader/auto_trade_rule_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/local_time.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
// One rule line of the rule file, as it is saved.
std::string RuleLine(std::initializer_list<uint32_t> words) {
    std::string line;
    for (uint32_t word : words) {
        char field[10];
        snprintf(field, sizeof field, "%08X\x07", word);
        line += field;
    }
    return line + "\r\n";
}

class RuleListTest : public ::testing::Test {
protected:
    // An announcement at a local time of this test's November.
    int32_t Announce(const char* name, int day, int hour, int minute, int32_t rank = 3) {
        IndicatorRecord record;
        record.when = FromLocalTime(2023, 11, day, hour, minute, 0);
        record.name = name;
        record.country = static_cast<int32_t>(indicators.All().size());
        record.rank = rank;
        return indicators.Add(record, nextId);
    }

    std::vector<std::string> Titles(int32_t minimumRank = 0) const {
        std::vector<std::string> titles;
        for (const RuleListRow& row : RuleListRows(indicators, os.now, minimumRank))
            titles.push_back(row.title);
        return titles;
    }

    FakeOs os;  // 2023-11-15 07:13:20 local time
    IndicatorStore indicators;
    AutoTradeRuleStore rules;
    int32_t nextId = 1;
};

using TextList = std::vector<std::string>;

TEST_F(RuleListTest, ListsOnlyAnnouncementsAfterNowThatReachTheRank) {
    Announce("過去の指標", 15, 7, 13);
    IndicatorRecord dueNow;
    dueNow.when = os.now;
    dueNow.name = "今の指標";
    indicators.Add(dueNow, nextId);
    Announce("低ランク指標", 15, 9, 0, 2);
    Announce("雇用統計", 15, 9, 5, 3);
    Announce("政策金利", 16, 21, 30, 5);
    Announce("年明け指標", 5 + 30 + 31, 8, 0, 4);  // 5 January

    EXPECT_EQ(Titles(3), (TextList{"[11/15 09:05]雇用統計", "[11/16 21:30]政策金利",
                                   "[1/5 08:00]年明け指標"}));
    EXPECT_EQ(Titles(0).front(), "[11/15 09:00]低ランク指標");
    EXPECT_EQ(Titles(6), TextList{});
}

TEST_F(RuleListTest, JoinsSimultaneousAnnouncementsIntoTheRowOfTheFirst) {
    const int32_t first = Announce("指標A", 15, 10, 30);
    Announce("低ランク", 15, 10, 30, 1);
    Announce("指標B", 15, 10, 30);
    Announce("指標C", 15, 10, 30);
    const int32_t later = Announce("指標D", 15, 10, 31);

    const std::vector<RuleListRow> rows = RuleListRows(indicators, os.now, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].title, "[11/15 10:30]指標A,指標B,指標C");
    EXPECT_EQ(rows[0].indicatorId, first);
    EXPECT_EQ(rows[1].title, "[11/15 10:31]指標D");
    EXPECT_EQ(rows[1].indicatorId, later);
}

TEST_F(RuleListTest, RowTextsShowTheRuleOrAnEmptyOne) {
    const int32_t ruled = Announce("指標A", 15, 10, 30);
    const int32_t unruled = Announce("指標B", 15, 11, 0);
    AutoTradeRule& rule = rules.FindOrCreateRule(ruled);
    rule.pairMask = (1 << 14) | (1 << 2);
    rule.direction = TRADE_SELL_ONLY;
    rule.iaLink = 2;

    std::optional<RuleRowTexts> texts = RuleRowTextsFor(indicators, rules, ruled);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->symbols, "AUDJPY,EURUSD");
    EXPECT_EQ(texts->direction, "売");
    EXPECT_EQ(texts->link, "○");

    texts = RuleRowTextsFor(indicators, rules, unruled);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->symbols, "設定無し");
    EXPECT_EQ(texts->direction, "売買");
    EXPECT_EQ(texts->link, "");
    EXPECT_EQ(rules.FindRule(unruled), nullptr);

    // A rule whose announcement has gone leaves its row as it is.
    rules.FindOrCreateRule(99).iaLink = 1;
    EXPECT_FALSE(RuleRowTextsFor(indicators, rules, 99));
}

class RuleDoubleClickTest : public RuleListTest {
protected:
    void DoubleClick(std::optional<int32_t> id, int column) {
        DoubleClickRuleCell(indicators, rules, id, column, [this](const RuleEditRequest& request) {
            edits.push_back(request);
            if (editorChoosesEurUsd) rules.FindOrCreateRule(request.indicatorId).pairMask = 1 << 14;
        });
    }

    std::vector<RuleEditRequest> edits;
    bool editorChoosesEurUsd = false;
};

TEST_F(RuleDoubleClickTest, LinkColumnCreatesALinkedRuleThenTogglesItAndSaves) {
    const int32_t id = Announce("指標A", 15, 10, 30);

    DoubleClick(id, RULE_LINK_COLUMN);
    ASSERT_NE(rules.FindRule(id), nullptr);
    EXPECT_EQ(ReadBytes(RuleFilePath()), RuleLine({uint32_t(id), 0, 0, 0, 0, 0, 0, 1, 0}));
    std::optional<RuleRowTexts> texts = RuleRowTextsFor(indicators, rules, id);
    EXPECT_EQ(texts->symbols, "設定無し");
    EXPECT_EQ(texts->direction, "売買");
    EXPECT_EQ(texts->link, "○");

    DoubleClick(id, RULE_LINK_COLUMN);
    EXPECT_EQ(rules.FindRule(id)->iaLink, 0);
    EXPECT_EQ(ReadBytes(RuleFilePath()), RuleLine({uint32_t(id), 0, 0, 0, 0, 0, 0, 0, 0}));

    rules.FindRule(id)->iaLink = 7;  // any other value counts as on
    DoubleClick(id, RULE_LINK_COLUMN);
    EXPECT_EQ(rules.FindRule(id)->iaLink, 0);
    EXPECT_TRUE(edits.empty());
}

TEST_F(RuleDoubleClickTest, OtherColumnsRunTheEditorAndSaveWhateverItDid) {
    const int32_t id = Announce("指標A", 15, 10, 30);

    DoubleClick(id, 0);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].indicatorId, id);
    EXPECT_EQ(edits[0].name, "指標A");
    EXPECT_EQ(rules.FindRule(id), nullptr);  // a cancelled editor creates nothing
    EXPECT_EQ(ReadBytes(RuleFilePath()), "");

    editorChoosesEurUsd = true;
    DoubleClick(id, 2);
    EXPECT_EQ(edits.size(), 2u);
    EXPECT_EQ(ReadBytes(RuleFilePath()), RuleLine({uint32_t(id), 0x4000, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(RuleDoubleClickTest, WithoutASelectedRowOrWithItsAnnouncementGoneOnlySaves) {
    const int32_t id = Announce("指標A", 15, 10, 30);
    rules.FindOrCreateRule(42).iaLink = 1;  // the rule of an announcement no longer stored

    DoubleClick(std::nullopt, RULE_LINK_COLUMN);
    DoubleClick(42, RULE_LINK_COLUMN);
    DoubleClick(42, 0);

    EXPECT_TRUE(edits.empty());
    EXPECT_EQ(rules.FindRule(id), nullptr);
    EXPECT_EQ(rules.FindRule(42)->iaLink, 1);
    EXPECT_EQ(ReadBytes(RuleFilePath()), RuleLine({42, 0, 0, 0, 0, 0, 0, 1, 0}));
}

TEST_F(RuleListTest, ClearingListedRulesKeepsTheirLinkAndLeavesOthersAlone) {
    rules.FindOrCreateRule(3) = AutoTradeRule{3, -1, 5, 6, 7, TRADE_BUY_ONLY, 9, 1, 42};
    rules.FindOrCreateRule(4) = AutoTradeRule{4, 0x4005, 0, 0, 0, TRADE_SELL_ONLY, 0, 0, 0};

    ClearListedRules(rules, {3, 5});

    EXPECT_EQ(rules.Count(), 2u);  // no rule is made for the listed announcement without one
    EXPECT_EQ(ReadBytes(RuleFilePath()),
              RuleLine({3, 0, 0, 0, 0, 0, 0, 1, 42}) + RuleLine({4, 0x4005, 0, 0, 0, 1, 0, 0, 0}));
}
}  // namespace
