#include "metatrader/auto_trade_rule.h"

#include <gtest/gtest.h>

#include "metatrader/symbol_table.h"

TEST(SymbolTable, HoldsTheThirtySymbolsInTheirFixedOrder) {
    ASSERT_EQ(SymbolTable.size(), 30u);
    EXPECT_STREQ(SymbolTable[0], "AUDCAD");
    EXPECT_STREQ(SymbolTable[25], "USDJPY");
    EXPECT_STREQ(SymbolTable[26], "USDCAD");
    EXPECT_STREQ(SymbolTable[27], "USDCHF");
    EXPECT_STREQ(SymbolTable[28], "XAUUSD");
    EXPECT_STREQ(SymbolTable[29], "XAGUSD");
}

TEST(PairListText, NamesTheSelectedSymbolsInIndexOrder) {
    EXPECT_EQ(PairListText((1 << 14) | (1 << 2)), "AUDJPY,EURUSD");
    EXPECT_EQ(PairListText(1 << 29), "XAGUSD");
    EXPECT_EQ(PairListText(1), "AUDCAD");
    EXPECT_EQ(PairListText((1 << 25) | (1 << 26) | (1 << 27)), "USDJPY,USDCAD,USDCHF");
    EXPECT_EQ(PairListText(-1).size(), 30u * 7 - 1);  // every symbol, bits 30 and 31 ignored
}

TEST(PairListText, SaysNothingIsSetWhenNoSymbolBitIs) {
    EXPECT_EQ(PairListText(0), "設定無し");
    EXPECT_EQ(PairListText(static_cast<int32_t>(0xC0000000u)), "設定無し");  // bits 30 and 31
}

TEST(DirectionText, NamesTheThreeDirectionsAndNothingElse) {
    EXPECT_EQ(DirectionText(TRADE_BOTH), "売買");
    EXPECT_EQ(DirectionText(TRADE_SELL_ONLY), "売");
    EXPECT_EQ(DirectionText(TRADE_BUY_ONLY), "買");
    EXPECT_EQ(DirectionText(3), "");
    EXPECT_EQ(DirectionText(-1), "");
}

TEST(SymbolBits, AddressTheLowAndHighWordOfEachSelector) {
    AutoTradeRule rule;
    rule.SetSymbolBit(PAIR_MASK, 14);
    rule.SetSymbolBit(PAIR_MASK, 31);
    rule.SetSymbolBit(PAIR_MASK, 33);
    rule.SetSymbolBit(SPARE_MASK, 0);
    rule.SetSymbolBit(SPARE_MASK, 63);
    rule.SetSymbolBit(DIRECTION_WORDS, 1);
    rule.SetSymbolBit(DIRECTION_WORDS, 32);
    EXPECT_EQ(rule.pairMask, static_cast<int32_t>(0x80004000u));
    EXPECT_EQ(rule.pairMaskHigh, 2);
    EXPECT_EQ(rule.spareMask, 1);
    EXPECT_EQ(rule.spareMaskHigh, static_cast<int32_t>(0x80000000u));
    EXPECT_EQ(rule.direction, TRADE_BUY_ONLY);
    EXPECT_EQ(rule.spareWord, 1);
    EXPECT_TRUE(rule.TestSymbolBit(PAIR_MASK, 31));
    EXPECT_TRUE(rule.TestSymbolBit(SPARE_MASK, 63));
    EXPECT_FALSE(rule.TestSymbolBit(PAIR_MASK, 15));
    EXPECT_FALSE(rule.TestSymbolBit(SPARE_MASK, 14));

    rule.ClearSymbolBit(PAIR_MASK, 31);
    rule.ClearSymbolBit(DIRECTION_WORDS, 32);
    EXPECT_EQ(rule.pairMask, 0x4000);
    EXPECT_EQ(rule.spareWord, 0);
    EXPECT_FALSE(rule.TestSymbolBit(PAIR_MASK, 31));
}

TEST(SymbolBits, IgnoreUnknownSelectorsAndIndexesOutsideTheMask) {
    AutoTradeRule rule;
    for (int index : {-1, 64, 100}) rule.SetSymbolBit(PAIR_MASK, index);
    rule.SetSymbolBit(3, 0);
    rule.SetSymbolBit(-1, 0);
    EXPECT_EQ(rule.pairMask, 0);
    EXPECT_EQ(rule.pairMaskHigh, 0);
    EXPECT_EQ(rule.reservedWord, 0);
    rule.pairMask = -1;
    EXPECT_FALSE(rule.TestSymbolBit(3, 0));
    EXPECT_FALSE(rule.TestSymbolBit(PAIR_MASK, -32));
    rule.ClearSymbolBit(3, 0);
    EXPECT_EQ(rule.pairMask, -1);
}

TEST(SymbolBits, ClearingEverySelectorResetsTheSelectionButKeepsIdAndLink) {
    AutoTradeRule rule{7, -1, 5, 6, 7, TRADE_SELL_ONLY, 9, 1, 42};
    for (int selector : {PAIR_MASK, SPARE_MASK, DIRECTION_WORDS})
        for (int index = 0; index < 64; ++index) rule.ClearSymbolBit(selector, index);
    EXPECT_EQ(rule.indicatorId, 7);
    EXPECT_EQ(rule.pairMask, 0);
    EXPECT_EQ(rule.pairMaskHigh, 0);
    EXPECT_EQ(rule.spareMask, 0);
    EXPECT_EQ(rule.spareMaskHigh, 0);
    EXPECT_EQ(rule.direction, TRADE_BOTH);
    EXPECT_EQ(rule.spareWord, 0);
    EXPECT_EQ(rule.iaLink, 1);
    EXPECT_EQ(rule.reservedWord, 42);
}
