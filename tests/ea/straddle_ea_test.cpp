#include "ea/straddle_ea.h"

#include <gtest/gtest.h>

#include "ea/chart_symbol.h"
#include "tests/ea/market_fixture.h"

namespace {
constexpr int64_t RELEASE = 1'765'000'000;
const StraddleInputs INPUTS;  // the defaults: 10 s lead, 200 points away, SL 200, TP 400

MailboxValues Ruled(int32_t direction, const char* symbol = "EURUSD") {
    return MailboxValues{true, static_cast<int32_t>(RELEASE),
                         static_cast<int32_t>(1u << SymbolIndexOf(symbol)), direction};
}

void ExpectOrder(const OrderCommand& command, OrderType type, double price, double stopLoss,
                 double takeProfit) {
    EXPECT_EQ(command.action, OrderAction::Place);
    EXPECT_EQ(command.type, type);
    EXPECT_DOUBLE_EQ(command.lots, 0.01);
    EXPECT_NEAR(command.price, price, 1e-9);
    EXPECT_NEAR(command.stopLoss, stopLoss, 1e-9);
    EXPECT_NEAR(command.takeProfit, takeProfit, 1e-9);
}
}  // namespace

TEST(StraddleTest, PlacesBothStopsAtTheLeadTimeAndRemembersTheAnnouncement) {
    const StraddleDecision decision =
        DecideStraddle(INPUTS, Ruled(0), "EURUSD.m", EurUsdMarket(), {}, 0, RELEASE - 10);
    ASSERT_EQ(decision.commands.size(), 2u);
    ExpectOrder(decision.commands[0], OrderType::BuyStop, 1.10210, 1.10010, 1.10610);
    ExpectOrder(decision.commands[1], OrderType::SellStop, 1.09800, 1.10000, 1.09400);
    EXPECT_EQ(decision.lastTraded, RELEASE);
}

TEST(StraddleTest, TheDirectionLeavesOutTheOtherSide) {
    const auto buyOnly =
        DecideStraddle(INPUTS, Ruled(1), "EURUSD", EurUsdMarket(), {}, 0, RELEASE - 5);
    ASSERT_EQ(buyOnly.commands.size(), 1u);
    EXPECT_EQ(buyOnly.commands[0].type, OrderType::BuyStop);
    const auto sellOnly =
        DecideStraddle(INPUTS, Ruled(2), "EURUSD", EurUsdMarket(), {}, 0, RELEASE - 5);
    ASSERT_EQ(sellOnly.commands.size(), 1u);
    EXPECT_EQ(sellOnly.commands[0].type, OrderType::SellStop);
}

TEST(StraddleTest, ZeroStopLossAndTakeProfitMeanNone) {
    StraddleInputs inputs;
    inputs.stopLossPoints = 0;
    inputs.takeProfitPoints = 0;
    const auto decision =
        DecideStraddle(inputs, Ruled(1), "EURUSD", EurUsdMarket(), {}, 0, RELEASE - 5);
    ASSERT_EQ(decision.commands.size(), 1u);
    EXPECT_EQ(decision.commands[0].stopLoss, 0);
    EXPECT_EQ(decision.commands[0].takeProfit, 0);
}

TEST(StraddleTest, NothingOutsideTheLeadWindowOrForAnotherSymbol) {
    const MarketState market = EurUsdMarket();
    EXPECT_TRUE(
        DecideStraddle(INPUTS, Ruled(0), "EURUSD", market, {}, 0, RELEASE - 11).commands.empty());
    EXPECT_TRUE(
        DecideStraddle(INPUTS, Ruled(0), "EURUSD", market, {}, 0, RELEASE).commands.empty());
    EXPECT_TRUE(
        DecideStraddle(INPUTS, Ruled(0), "GBPUSD.m", market, {}, 0, RELEASE - 5).commands.empty());
    EXPECT_TRUE(DecideStraddle(INPUTS, Ruled(0, "GBPUSD"), "EURUSD", market, {}, 0, RELEASE - 5)
                    .commands.empty());
}

TEST(StraddleTest, NothingWithoutAPanelOrForAnAnnouncementTooFarAhead) {
    MailboxValues gone = Ruled(0);
    gone.panelFound = false;
    EXPECT_TRUE(DecideStraddle(INPUTS, gone, "EURUSD", EurUsdMarket(), {}, 0, RELEASE - 5)
                    .commands.empty());
    StraddleInputs longLead;
    longLead.leadSeconds = 8 * 24 * 3600;
    EXPECT_TRUE(
        DecideStraddle(longLead, Ruled(0), "EURUSD", EurUsdMarket(), {}, 0, RELEASE - 604801)
            .commands.empty());
}

TEST(StraddleTest, EachAnnouncementIsTradedOnce) {
    const auto again =
        DecideStraddle(INPUTS, Ruled(0), "EURUSD", EurUsdMarket(), {}, RELEASE, RELEASE - 5);
    EXPECT_TRUE(again.commands.empty());
    EXPECT_EQ(again.lastTraded, RELEASE);
}

TEST(StraddleTest, AWideSpreadWaitsWithoutMarkingTheAnnouncement) {
    MarketState wide = EurUsdMarket();
    wide.ask = wide.bid + 0.00050;  // 50 points
    const auto waiting = DecideStraddle(INPUTS, Ruled(0), "EURUSD", wide, {}, 0, RELEASE - 8);
    EXPECT_TRUE(waiting.commands.empty());
    EXPECT_EQ(waiting.lastTraded, 0);
    EXPECT_EQ(DecideStraddle(INPUTS, Ruled(0), "EURUSD", EurUsdMarket(), {}, 0, RELEASE - 7)
                  .commands.size(),
              2u);
}

TEST(StraddleTest, AFillDeletesTheOtherStop) {
    const std::vector<OwnOrder> filled = {{101, OrderType::Buy, 0.01},
                                          {102, OrderType::SellStop, 0.01}};
    const auto decision =
        DecideStraddle(INPUTS, Ruled(0), "EURUSD", EurUsdMarket(), filled, RELEASE, RELEASE + 2);
    ASSERT_EQ(decision.commands.size(), 1u);
    EXPECT_EQ(decision.commands[0],
              (OrderCommand{OrderAction::Delete, OrderType::SellStop, 102, 0.01, 0, 0, 0}));
}

TEST(StraddleTest, UnfilledStopsAreDeletedAWhileAfterTheRelease) {
    const std::vector<OwnOrder> pending = {{201, OrderType::BuyStop, 0.01},
                                           {202, OrderType::SellStop, 0.01}};
    EXPECT_TRUE(
        DecideStraddle(INPUTS, Ruled(0), "EURUSD", EurUsdMarket(), pending, RELEASE, RELEASE + 299)
            .commands.empty());
    const auto late = DecideStraddle(INPUTS, MailboxValues{}, "EURUSD", EurUsdMarket(), pending,
                                     RELEASE, RELEASE + 300);
    ASSERT_EQ(late.commands.size(), 2u);
    EXPECT_EQ(late.commands[0].action, OrderAction::Delete);
    EXPECT_EQ(late.commands[0].ticket, 201);
    EXPECT_EQ(late.commands[1].ticket, 202);
}

TEST(StraddleTest, AnOpenPositionBlocksANewStraddle) {
    const std::vector<OwnOrder> open = {{301, OrderType::Sell, 0.01}};
    EXPECT_TRUE(DecideStraddle(INPUTS, Ruled(0), "EURUSD", EurUsdMarket(), open, RELEASE - 3600,
                               RELEASE - 5)
                    .commands.empty());
}

TEST(StraddleTest, LotsAreClampedAndABrokerMinimumAboveTheMaximumTradesNothing) {
    StraddleInputs big;
    big.lots = 3.0;
    big.maxLots = 0.5;
    const auto clamped =
        DecideStraddle(big, Ruled(1), "EURUSD", EurUsdMarket(), {}, 0, RELEASE - 5);
    ASSERT_EQ(clamped.commands.size(), 1u);
    EXPECT_DOUBLE_EQ(clamped.commands[0].lots, 0.5);

    MarketState bigMinimum = EurUsdMarket();
    bigMinimum.minLot = 1.0;
    EXPECT_TRUE(DecideStraddle(INPUTS, Ruled(1), "EURUSD", bigMinimum, {}, 0, RELEASE - 5)
                    .commands.empty());
}
