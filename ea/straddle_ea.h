// QZEA, the news straddle: shortly before the announcement a buy-stop above and a sell-stop below
// the price; the first to fill cancels the other, and whatever is still pending a while after
// the release is deleted.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ea/mailbox_values.h"
#include "ea/order_command.h"

struct StraddleInputs {
    int leadSeconds = 10;        // how long before the announcement the orders are placed
    int distancePoints = 200;    // from the price to each stop order
    int stopLossPoints = 200;    // 0: none
    int takeProfitPoints = 400;  // 0: none
    int deleteAfterSeconds = 300;
    double maxSpreadPoints = 40;
    double lots = 0.01;
    double maxLots = 0.1;
};

struct StraddleDecision {
    OrderCommands commands;
    int64_t lastTraded = 0;  // to remember across a restart: the last announcement traded
};

// orders: this expert advisor's orders on the chart's symbol. A new straddle is placed only when
// there are none, so a position of an earlier announcement is never mistaken for a fill.
StraddleDecision DecideStraddle(const StraddleInputs& inputs, const MailboxValues& mailbox,
                                std::string_view chartSymbol, const MarketState& market,
                                const std::vector<OwnOrder>& orders, int64_t lastTraded,
                                int64_t now);
