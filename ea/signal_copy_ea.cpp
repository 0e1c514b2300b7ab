#include "ea/signal_copy_ea.h"

#include <algorithm>

#include "ea/chart_symbol.h"

namespace {
void Open(const SignalCopyInputs& inputs, const CopiedSignal& signal, const MarketState& market,
          OrderCommands& commands) {
    if (!SpreadWithin(market, inputs.maxSpreadPoints)) return;
    const double lots = ClampLots(signal.lots * inputs.lotFactor, inputs.maxLots, market);
    if (lots == 0) return;
    commands.push_back(
        OrderCommand{OrderAction::Place, signal.buy ? OrderType::Buy : OrderType::Sell, 0, lots,
                     signal.buy ? market.ask : market.bid, signal.stop, signal.limit});
}

void CloseAll(const std::vector<OwnOrder>& orders, const MarketState& market,
              OrderCommands& commands) {
    for (const OwnOrder& order : orders) {
        if (IsPending(order)) continue;
        const double price = order.type == OrderType::Buy ? market.bid : market.ask;
        commands.push_back(
            OrderCommand{OrderAction::Close, order.type, order.ticket, order.lots, price, 0, 0});
    }
}

void ModifyAll(const CopiedSignal& signal, const std::vector<OwnOrder>& orders,
               OrderCommands& commands) {
    for (const OwnOrder& order : orders) {
        if (IsPending(order)) continue;
        commands.push_back(OrderCommand{OrderAction::Modify, order.type, order.ticket, order.lots,
                                        0, signal.stop, signal.limit});
    }
}
}  // namespace

SignalCopyDecision DecideSignalCopy(const SignalCopyInputs& inputs,
                                    const std::vector<CopiedSignal>& signals,
                                    std::string_view chartSymbol, const MarketState& market,
                                    const std::vector<OwnOrder>& orders, int64_t lastCopied,
                                    int64_t now) {
    SignalCopyDecision decision{{}, lastCopied};
    for (const CopiedSignal& signal : signals) {
        if (signal.time <= lastCopied) continue;
        decision.lastCopied = std::max(decision.lastCopied, signal.time);
        if (!SameSymbol(signal.symbol, chartSymbol)) continue;
        if (now - signal.time > inputs.maxAgeSeconds) continue;
        switch (signal.action) {
        case SignalAction::Open: Open(inputs, signal, market, decision.commands); break;
        case SignalAction::Close: CloseAll(orders, market, decision.commands); break;
        case SignalAction::Modify: ModifyAll(signal, orders, decision.commands); break;
        }
    }
    return decision;
}
