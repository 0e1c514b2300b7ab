// QZGI, the signal copy: opens each new-position signal of the chart's symbol once, closes and
// modifies its copies when the signal's trader does.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ea/copied_signal.h"
#include "ea/order_command.h"

struct SignalCopyInputs {
    double lotFactor = 1.0;   // the signal's lots are multiplied by this
    double maxLots = 0.1;     // and never above this
    int maxAgeSeconds = 120;  // an older signal is not copied: its price has gone
    double maxSpreadPoints = 40;
};

struct SignalCopyDecision {
    OrderCommands commands;
    int64_t lastCopied = 0;  // to remember across a restart: the newest signal time handled
};

// signals: as read from the file, oldest first; orders: this expert advisor's open orders on the
// chart's symbol. A signal is handled once: only those newer than lastCopied are looked at, so a
// file read again, or read after a restart, copies nothing twice. A signal names its symbol with
// its sender's affixes; it is copied onto the chart's symbol when both name the same one.
SignalCopyDecision DecideSignalCopy(const SignalCopyInputs& inputs,
                                    const std::vector<CopiedSignal>& signals,
                                    std::string_view chartSymbol, const MarketState& market,
                                    const std::vector<OwnOrder>& orders, int64_t lastCopied,
                                    int64_t now);
