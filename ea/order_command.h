// What an expert advisor asks the terminal to do, and what it is told about the market and its
// own orders. The order types carry MetaTrader 4's OP_ numbers, because they cross into MQL4.
#pragma once

#include <vector>

enum class OrderType : int {
    Buy = 0,
    Sell = 1,
    BuyLimit = 2,
    SellLimit = 3,
    BuyStop = 4,
    SellStop = 5,
};

enum class OrderAction : int {
    Place = 1,
    Modify = 2,  // new stop-loss and take-profit of an open order
    Delete = 3,  // a pending order
    Close = 4,   // an open position, at the price given
};

struct OrderCommand {
    OrderAction action = OrderAction::Place;
    OrderType type = OrderType::Buy;
    int ticket = 0;  // 0 for a new order
    double lots = 0;
    double price = 0;
    double stopLoss = 0;  // 0: none
    double takeProfit = 0;
    bool operator==(const OrderCommand&) const = default;
};

using OrderCommands = std::vector<OrderCommand>;

// One order of this expert advisor on the chart's symbol, pending or open.
struct OwnOrder {
    int ticket = 0;
    OrderType type = OrderType::Buy;
    double lots = 0;
};

bool IsPending(const OwnOrder& order);

// The chart's prices and the broker's lot rules for its symbol.
struct MarketState {
    double bid = 0;
    double ask = 0;
    double point = 0;  // the price's smallest step
    double minLot = 0;
    double lotStep = 0;
    double maxLot = 0;  // 0: no broker maximum
};

// The spread in points; whether it is within the limit.
bool SpreadWithin(const MarketState& market, double maxSpreadPoints);

// A price rounded to the symbol's point, so the broker accepts it as written.
double OnPoint(const MarketState& market, double price);

// The lot size the order is sent with: the wanted size capped by the user's and the broker's
// maximum, rounded down to the broker's step, raised to the broker's minimum. 0 when even the
// minimum is above the user's maximum, or the wanted size is not positive: then no order.
double ClampLots(double wanted, double userMax, const MarketState& market);
