#include "ea/timed_entry_ea.h"

#include <gtest/gtest.h>

#include "ea/chart_symbol.h"
#include "tests/ea/market_fixture.h"

namespace {
constexpr int64_t RELEASE = 1'765'000'000;
const TimedEntryInputs INPUTS;  // the defaults: 5 s window, SL 200, TP 400

MailboxValues Ruled(int32_t direction) {
    return MailboxValues{true, static_cast<int32_t>(RELEASE),
                         static_cast<int32_t>(1u << SymbolIndexOf("USDJPY")), direction};
}

MarketState UsdJpyMarket() { return MarketState{150.000, 150.010, 0.001, 0.01, 0.01, 50.0}; }
}  // namespace

TEST(TimedEntryTest, OpensOneMarketOrderInTheRulesDirectionAtTheTime) {
    const auto buy = DecideTimedEntry(INPUTS, Ruled(1), "USDJPY.m", UsdJpyMarket(), 0, RELEASE);
    ASSERT_EQ(buy.commands.size(), 1u);
    EXPECT_EQ(buy.commands[0].action, OrderAction::Place);
    EXPECT_EQ(buy.commands[0].type, OrderType::Buy);
    EXPECT_NEAR(buy.commands[0].price, 150.010, 1e-9);
    EXPECT_NEAR(buy.commands[0].stopLoss, 149.810, 1e-9);
    EXPECT_NEAR(buy.commands[0].takeProfit, 150.410, 1e-9);
    EXPECT_EQ(buy.lastTraded, RELEASE);

    const auto sell = DecideTimedEntry(INPUTS, Ruled(2), "USDJPY", UsdJpyMarket(), 0, RELEASE + 5);
    ASSERT_EQ(sell.commands.size(), 1u);
    EXPECT_EQ(sell.commands[0].type, OrderType::Sell);
    EXPECT_NEAR(sell.commands[0].price, 150.000, 1e-9);
    EXPECT_NEAR(sell.commands[0].stopLoss, 150.200, 1e-9);
    EXPECT_NEAR(sell.commands[0].takeProfit, 149.600, 1e-9);
}

TEST(TimedEntryTest, BothDirectionsOpenNothing) {
    const auto both = DecideTimedEntry(INPUTS, Ruled(0), "USDJPY", UsdJpyMarket(), 0, RELEASE);
    EXPECT_TRUE(both.commands.empty());
    EXPECT_EQ(both.lastTraded, 0);
}

TEST(TimedEntryTest, OnlyWithinTheEntryWindowAndOnlyOnce) {
    const MarketState market = UsdJpyMarket();
    EXPECT_TRUE(
        DecideTimedEntry(INPUTS, Ruled(1), "USDJPY", market, 0, RELEASE - 1).commands.empty());
    EXPECT_TRUE(
        DecideTimedEntry(INPUTS, Ruled(1), "USDJPY", market, 0, RELEASE + 6).commands.empty());
    EXPECT_TRUE(DecideTimedEntry(INPUTS, Ruled(1), "USDJPY", market, RELEASE, RELEASE + 1)
                    .commands.empty());
    EXPECT_TRUE(DecideTimedEntry(INPUTS, Ruled(1), "EURUSD", market, 0, RELEASE).commands.empty());
}

TEST(TimedEntryTest, HasTheStraddlesProtections) {
    MarketState wide = UsdJpyMarket();
    wide.ask = 150.100;  // 100 points
    EXPECT_TRUE(DecideTimedEntry(INPUTS, Ruled(1), "USDJPY", wide, 0, RELEASE).commands.empty());
    MailboxValues gone = Ruled(1);
    gone.panelFound = false;
    EXPECT_TRUE(
        DecideTimedEntry(INPUTS, gone, "USDJPY", UsdJpyMarket(), 0, RELEASE).commands.empty());
    TimedEntryInputs big;
    big.lots = 9;
    big.maxLots = 2;
    const auto clamped = DecideTimedEntry(big, Ruled(2), "USDJPY", UsdJpyMarket(), 0, RELEASE);
    ASSERT_EQ(clamped.commands.size(), 1u);
    EXPECT_DOUBLE_EQ(clamped.commands[0].lots, 2);
}
