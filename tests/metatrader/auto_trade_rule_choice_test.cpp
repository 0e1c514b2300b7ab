#include "metatrader/auto_trade_rule_choice.h"

#include <gtest/gtest.h>

#include "tests/support/test_os.h"

namespace {
class RuleChoiceTest : public ::testing::Test {
protected:
    FakeOs os;
    AutoTradeRuleStore rules;
};

TEST_F(RuleChoiceTest, OffersTheDirectionsInValueOrderUnderTheAnnouncementsName) {
    EXPECT_STREQ(DIRECTION_CHOICES[TRADE_BOTH], "売買");
    EXPECT_STREQ(DIRECTION_CHOICES[TRADE_SELL_ONLY], "売りのみ");
    EXPECT_STREQ(DIRECTION_CHOICES[TRADE_BUY_ONLY], "買いのみ");
    EXPECT_EQ(RuleEditorHeading("米・雇用統計"), "対象指標\n米・雇用統計");
}

TEST_F(RuleChoiceTest, StartsFromTheRuleOrFromNothing) {
    RuleChoice empty = RuleChoiceOf(rules, 7);
    EXPECT_EQ(empty.ticked, RuleChoice{}.ticked);
    EXPECT_EQ(empty.direction, TRADE_BOTH);

    AutoTradeRule& rule = rules.FindOrCreateRule(7);
    rule.pairMask = (1 << 0) | (1 << 2) | (1 << 28) | (1 << 29);
    rule.direction = TRADE_BUY_ONLY;
    RuleChoice choice = RuleChoiceOf(rules, 7);
    for (int index = 0; index < EDITABLE_SYMBOL_COUNT; ++index)
        EXPECT_EQ(choice.ticked[index], index == 0 || index == 2 || index == 28) << index;
    EXPECT_EQ(choice.direction, TRADE_BUY_ONLY);
}

TEST_F(RuleChoiceTest, ADirectionTheEditorCannotOfferStartsAsBothDirections) {
    // Otherwise the list would select nothing and OK would store -1.
    rules.FindOrCreateRule(7).direction = 3;
    EXPECT_EQ(RuleChoiceOf(rules, 7).direction, TRADE_BOTH);
    rules.FindOrCreateRule(7).direction = -1;
    EXPECT_EQ(RuleChoiceOf(rules, 7).direction, TRADE_BOTH);
}

TEST_F(RuleChoiceTest, ApplyingSetsTheOfferedSymbolsAndDirectionOnly) {
    AutoTradeRule& rule = rules.FindOrCreateRule(7);
    rule = AutoTradeRule{7, static_cast<int32_t>(0xE0000003u), 4, 5, 6, TRADE_BOTH, 8, 1, 9};
    RuleChoice choice;
    choice.ticked[1] = true;
    choice.ticked[14] = true;
    choice.ticked[28] = true;
    choice.direction = TRADE_SELL_ONLY;

    ApplyRuleChoice(rules, 7, choice);

    EXPECT_EQ(static_cast<uint32_t>(rule.pairMask), 0xE0000000u | (1u << 28) | (1u << 14) | 2u);
    EXPECT_EQ(rule.pairMaskHigh, 4);
    EXPECT_EQ(rule.spareMask, 5);
    EXPECT_EQ(rule.spareMaskHigh, 6);
    EXPECT_EQ(rule.direction, TRADE_SELL_ONLY);
    EXPECT_EQ(rule.spareWord, 8);
    EXPECT_EQ(rule.iaLink, 1);
    EXPECT_EQ(rule.reservedWord, 9);
}

TEST_F(RuleChoiceTest, ApplyingCreatesTheMissingRule) {
    RuleChoice choice;
    choice.ticked[0] = true;
    choice.direction = TRADE_BUY_ONLY;
    ApplyRuleChoice(rules, 12, choice);
    const AutoTradeRule* rule = rules.FindRule(12);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->pairMask, 1);
    EXPECT_EQ(rule->direction, TRADE_BUY_ONLY);
    EXPECT_EQ(rule->iaLink, 0);
}
}  // namespace
