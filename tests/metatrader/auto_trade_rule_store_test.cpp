#include "metatrader/auto_trade_rule_store.h"

#include <gtest/gtest.h>

#include <string>

#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
class AutoTradeRuleStoreTest : public ::testing::Test {
protected:
    FakeOs os;
    AutoTradeRuleStore store;
};
}  // namespace

TEST_F(AutoTradeRuleStoreTest, CreatesAnEmptyRuleOnlyWhenAsked) {
    EXPECT_EQ(store.FindRule(5), nullptr);
    AutoTradeRule& created = store.FindOrCreateRule(5);
    EXPECT_EQ(created.indicatorId, 5);
    EXPECT_EQ(created.pairMask, 0);
    EXPECT_EQ(created.direction, TRADE_BOTH);
    EXPECT_EQ(created.iaLink, 0);
    EXPECT_EQ(created.reservedWord, 0);
    created.iaLink = 1;
    EXPECT_EQ(&store.FindOrCreateRule(5), &created);
    ASSERT_NE(store.FindRule(5), nullptr);
    EXPECT_EQ(store.FindRule(5)->iaLink, 1);
    EXPECT_EQ(store.Count(), 1u);
}

TEST_F(AutoTradeRuleStoreTest, WritesTheFileByteExactInAscendingIdOrder) {
    AutoTradeRule& rule = store.FindOrCreateRule(5);
    rule.SetSymbolBit(PAIR_MASK, 14);
    rule.SetSymbolBit(PAIR_MASK, 2);
    rule.direction = TRADE_BUY_ONLY;
    rule.iaLink = 1;
    store.FindOrCreateRule(-2).reservedWord = -1;
    ASSERT_TRUE(store.SaveRules());
    EXPECT_EQ(ReadBytes(RuleFilePath()),
              "FFFFFFFE\x07"
              "00000000\x07"
              "00000000\x07"
              "00000000\x07"
              "00000000\x07"
              "00000000\x07"
              "00000000\x07"
              "00000000\x07"
              "FFFFFFFF\x07\r\n"
              "00000005\x07"
              "00004004\x07"
              "00000000\x07"
              "00000000\x07"
              "00000000\x07"
              "00000002\x07"
              "00000000\x07"
              "00000001\x07"
              "00000000\x07\r\n");
}

TEST_F(AutoTradeRuleStoreTest, RoundTripsEveryWordThroughTheFile) {
    store.FindOrCreateRule(INT32_MIN) = AutoTradeRule{INT32_MIN, -1, 1, 2, 3, 2, 4, 1, 0x7FFFFFFF};
    store.FindOrCreateRule(INT32_MAX).pairMask = 0x3FFFFFFF;
    ASSERT_TRUE(store.SaveRules());
    const std::string saved = ReadBytes(RuleFilePath());

    AutoTradeRuleStore reloaded;
    reloaded.LoadRules();
    ASSERT_EQ(reloaded.Count(), 2u);
    const AutoTradeRule* rule = reloaded.FindRule(INT32_MIN);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->pairMask, -1);
    EXPECT_EQ(rule->pairMaskHigh, 1);
    EXPECT_EQ(rule->spareMask, 2);
    EXPECT_EQ(rule->spareMaskHigh, 3);
    EXPECT_EQ(rule->direction, 2);
    EXPECT_EQ(rule->spareWord, 4);
    EXPECT_EQ(rule->iaLink, 1);
    EXPECT_EQ(rule->reservedWord, 0x7FFFFFFF);
    EXPECT_EQ(reloaded.FindRule(INT32_MAX)->pairMask, 0x3FFFFFFF);
    ASSERT_TRUE(reloaded.SaveRules());
    EXPECT_EQ(ReadBytes(RuleFilePath()), saved);
}

TEST_F(AutoTradeRuleStoreTest, SavesAnEmptyFileForAnEmptyStoreAndClearsEverything) {
    store.FindOrCreateRule(1);
    store.FindOrCreateRule(2);
    store.ClearRules();
    EXPECT_EQ(store.FindRule(1), nullptr);
    ASSERT_TRUE(store.SaveRules());
    EXPECT_EQ(ReadBytes(RuleFilePath()), "");
    store.FindOrCreateRule(3);
    store.LoadRules();
    EXPECT_EQ(store.Count(), 0u);
    ASSERT_TRUE(Os().RemoveFile(RuleFilePath()));
    store.FindOrCreateRule(3);
    store.LoadRules();  // a missing file
    EXPECT_EQ(store.Count(), 0u);
}

TEST_F(AutoTradeRuleStoreTest, KeepsTheFirstLineOfARepeatedId) {
    WriteBytes(RuleFilePath(),
               "00000009\x07"
               "00000001\x07\r\n"
               "00000009\x07"
               "00000002\x07\r\n"
               "00000008\x07"
               "00000003\x07\r\n");
    store.LoadRules();
    ASSERT_EQ(store.Count(), 2u);
    EXPECT_EQ(store.FindRule(9)->pairMask, 1);
    EXPECT_EQ(store.FindRule(8)->pairMask, 3);
}

TEST_F(AutoTradeRuleStoreTest, ReadsMissingAndMalformedWordsAsZero) {
    WriteBytes(RuleFilePath(),
               // nine words, the last without its separator
               "00000001\x07"
               "00000002\x07"
               "00000003\x07"
               "00000004\x07"
               "00000005\x07"
               "00000001\x07"
               "00000007\x07"
               "00000001\x07"
               "00000009\r\n"
               // text after the ninth word is ignored
               "00000002\x07"
               "0\x07"
               "0\x07"
               "0\x07"
               "0\x07"
               "0\x07"
               "0\x07"
               "0\x07"
               "5\x07"
               "junk\x07"
               "more\x07\r\n"
               // not hexadecimal, and an empty first field
               "\x07"
               "zz\x07"
               "G1\x07\r\n"
               "\r\n"
               "\r\r\n"
               // a last line without its line end is not loaded
               "00000004\x07"
               "00000001\x07");
    store.LoadRules();
    ASSERT_EQ(store.Count(), 3u);
    const AutoTradeRule* first = store.FindRule(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->spareWord, 7);
    EXPECT_EQ(first->iaLink, 1);
    EXPECT_EQ(first->reservedWord, 0);
    EXPECT_EQ(store.FindRule(2)->reservedWord, 5);
    const AutoTradeRule* malformed = store.FindRule(0);
    ASSERT_NE(malformed, nullptr);
    EXPECT_EQ(malformed->pairMask, 0);
    EXPECT_EQ(malformed->pairMaskHigh, 0);
    EXPECT_EQ(store.FindRule(4), nullptr);
}
