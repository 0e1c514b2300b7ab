// QZEA_TT, the timed entry: at the announcement time one market order in the rule's direction.
// A rule for both directions opens nothing: which side the news moves the price to is not known
// at that instant, and guessing it would be a coin toss with the trader's money.
#pragma once

#include <cstdint>
#include <string_view>

#include "ea/mailbox_values.h"
#include "ea/order_command.h"

struct TimedEntryInputs {
    // How long after the announcement time the order may still be opened: the panel keeps the
    // announcement in its mailbox for up to one refresh after its time.
    int entryWindowSeconds = 5;
    int stopLossPoints = 200;    // 0: none
    int takeProfitPoints = 400;  // 0: none
    double maxSpreadPoints = 40;
    double lots = 0.01;
    double maxLots = 0.1;
};

struct TimedEntryDecision {
    OrderCommands commands;
    int64_t lastTraded = 0;  // to remember across a restart: the last announcement traded
};

TimedEntryDecision DecideTimedEntry(const TimedEntryInputs& inputs, const MailboxValues& mailbox,
                                    std::string_view chartSymbol, const MarketState& market,
                                    int64_t lastTraded, int64_t now);
