#include "ea/dll_arrays.h"

#include <gtest/gtest.h>

TEST(DllArraysTest, ReadsTheMarketAndTheOrdersAsMql4LaysThemOut) {
    const double market[MARKET_VALUES] = {1.1, 1.2, 0.001, 0.01, 0.02, 10};
    const MarketState state = MarketFromArray(market);
    EXPECT_EQ(state.bid, 1.1);
    EXPECT_EQ(state.ask, 1.2);
    EXPECT_EQ(state.point, 0.001);
    EXPECT_EQ(state.minLot, 0.01);
    EXPECT_EQ(state.lotStep, 0.02);
    EXPECT_EQ(state.maxLot, 10);

    const int orderInts[] = {7, 0, 8, 5, 9, 6, 10, -1};
    const double orderLots[] = {0.1, 0.2, 0.3, 0.4};
    const std::vector<OwnOrder> orders = OrdersFromArrays(orderInts, orderLots, 4);
    ASSERT_EQ(orders.size(), 2u);
    EXPECT_EQ(orders[0].ticket, 7);
    EXPECT_EQ(orders[0].type, OrderType::Buy);
    EXPECT_EQ(orders[1].ticket, 8);
    EXPECT_EQ(orders[1].type, OrderType::SellStop);
    EXPECT_EQ(orders[1].lots, 0.2);
}

TEST(DllArraysTest, WritesCommandsUpToTheCapacity) {
    const OrderCommands commands = {{OrderAction::Place, OrderType::BuyStop, 0, 0.1, 1.2, 1.1, 1.4},
                                    {OrderAction::Delete, OrderType::SellStop, 42, 0.1, 0, 0, 0}};
    int ints[2 * COMMAND_INTS] = {};
    double values[2 * COMMAND_VALUES] = {};
    EXPECT_EQ(WriteCommands(commands, ints, values, 2), 2);
    EXPECT_EQ(ints[0], 1);
    EXPECT_EQ(ints[1], 4);
    EXPECT_EQ(ints[3], 3);
    EXPECT_EQ(ints[4], 5);
    EXPECT_EQ(ints[5], 42);
    EXPECT_EQ(values[0], 0.1);
    EXPECT_EQ(values[1], 1.2);
    EXPECT_EQ(values[2], 1.1);
    EXPECT_EQ(values[3], 1.4);

    int oneInts[COMMAND_INTS] = {};
    double oneValues[COMMAND_VALUES] = {};
    EXPECT_EQ(WriteCommands(commands, oneInts, oneValues, 1), 1);
    EXPECT_EQ(WriteCommands(commands, nullptr, nullptr, 0), 0);
}

TEST(DllArraysTest, SymbolsComeFromUtf16AndOnlyAsciiSurvives) {
    EXPECT_EQ(SymbolFromUtf16(L"EURUSD.m"), "EURUSD.m");
    EXPECT_EQ(SymbolFromUtf16(L"EUR\u00e9"), "EUR?");
    EXPECT_EQ(SymbolFromUtf16(nullptr), "");
}
