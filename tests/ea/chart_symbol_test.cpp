#include "ea/chart_symbol.h"

#include <gtest/gtest.h>

TEST(ChartSymbolTest, FindsTheTableSymbolBehindABrokersPrefixOrSuffix) {
    const int eurusd = SymbolIndexOf("EURUSD");
    ASSERT_GE(eurusd, 0);
    for (const char* name : {"EURUSD.m", "EURUSDpro", "mEURUSD", "eurusd", "EURUSD_i"}) {
        EXPECT_EQ(SymbolIndexOf(name), eurusd) << name;
    }
    EXPECT_EQ(SymbolIndexOf("US30"), -1);
    EXPECT_EQ(SymbolIndexOf(""), -1);
    EXPECT_NE(SymbolIndexOf("GBPUSD"), eurusd);
}

TEST(ChartSymbolTest, TheMaskSelectsByTheTablesBit) {
    const int eurusd = SymbolIndexOf("EURUSD");
    const uint32_t mask = 1u << eurusd;
    EXPECT_TRUE(MaskSelects(mask, "EURUSD.m"));
    EXPECT_FALSE(MaskSelects(mask, "GBPUSD.m"));
    EXPECT_FALSE(MaskSelects(~0u, "US30"));
    EXPECT_TRUE(MaskSelects(1u << SymbolIndexOf("XAGUSD"), "XAGUSDpro"));
}

TEST(ChartSymbolTest, NamesWithDifferentAffixesNameTheSameSymbol) {
    EXPECT_TRUE(SameSymbol("EURUSD", "EURUSD.m"));
    EXPECT_TRUE(SameSymbol("mUSDJPY", "USDJPYpro"));
    EXPECT_FALSE(SameSymbol("EURUSD", "GBPUSD"));
    EXPECT_FALSE(SameSymbol("US30", "US30"));
}
