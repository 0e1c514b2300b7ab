#include "ea/order_command.h"

#include <gtest/gtest.h>

#include "tests/ea/market_fixture.h"

TEST(LotSizeTest, IsCappedRoundedDownToTheStepAndRaisedToTheMinimum) {
    const MarketState market = EurUsdMarket();
    EXPECT_DOUBLE_EQ(ClampLots(0.37, 1.0, market), 0.37);
    EXPECT_DOUBLE_EQ(ClampLots(0.379, 1.0, market), 0.37);
    EXPECT_DOUBLE_EQ(ClampLots(5.0, 1.0, market), 1.0);
    EXPECT_DOUBLE_EQ(ClampLots(0.001, 1.0, market), 0.01);

    MarketState smallBroker = market;
    smallBroker.maxLot = 0.5;
    EXPECT_DOUBLE_EQ(ClampLots(2.0, 1.0, smallBroker), 0.5);

    MarketState coarse = market;
    coarse.minLot = 0.1;
    coarse.lotStep = 0.1;
    EXPECT_DOUBLE_EQ(ClampLots(0.25, 1.0, coarse), 0.2);
}

TEST(LotSizeTest, NoOrderWhenTheMinimumExceedsTheUsersMaximumOrNothingIsWanted) {
    MarketState market = EurUsdMarket();
    market.minLot = 0.1;
    EXPECT_EQ(ClampLots(0.05, 0.05, market), 0);
    EXPECT_EQ(ClampLots(0, 1.0, EurUsdMarket()), 0);
    EXPECT_EQ(ClampLots(-1, 1.0, EurUsdMarket()), 0);
    EXPECT_EQ(ClampLots(0.1, 0, EurUsdMarket()), 0);
}

TEST(SpreadTest, IsMeasuredInPointsAndAMissingQuoteNeverPasses) {
    const MarketState market = EurUsdMarket();  // 10 points
    EXPECT_TRUE(SpreadWithin(market, 10));
    EXPECT_FALSE(SpreadWithin(market, 9.5));
    EXPECT_FALSE(SpreadWithin(MarketState{}, 100));
}

TEST(OnPointTest, RoundsToTheSymbolsPoint) {
    const MarketState market = EurUsdMarket();
    EXPECT_NEAR(OnPoint(market, 1.1001234), 1.10012, 1e-12);
    EXPECT_NEAR(OnPoint(market, 1.1001267), 1.10013, 1e-12);
}
