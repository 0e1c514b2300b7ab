#include "ea/straddle_ea.h"

#include <algorithm>

#include "ea/chart_symbol.h"

namespace {
// One filled order cancels the other; at the latest they go a while after the release.
OrderCommands PendingToDelete(const StraddleInputs& inputs, const std::vector<OwnOrder>& orders,
                              int64_t lastTraded, int64_t now) {
    const bool filled = std::any_of(orders.begin(), orders.end(),
                                    [](const OwnOrder& order) { return !IsPending(order); });
    const bool expired = now >= lastTraded + inputs.deleteAfterSeconds;
    OrderCommands commands;
    if (!filled && !expired) return commands;
    for (const OwnOrder& order : orders) {
        if (!IsPending(order)) continue;
        commands.push_back(
            OrderCommand{OrderAction::Delete, order.type, order.ticket, order.lots, 0, 0, 0});
    }
    return commands;
}

OrderCommand StopOrder(const StraddleInputs& inputs, const MarketState& market, bool buy,
                       double lots) {
    const double sign = buy ? 1 : -1;
    const double price = OnPoint(market, buy ? market.ask + inputs.distancePoints * market.point
                                             : market.bid - inputs.distancePoints * market.point);
    const double stopLoss =
        inputs.stopLossPoints > 0
            ? OnPoint(market, price - sign * inputs.stopLossPoints * market.point)
            : 0;
    const double takeProfit =
        inputs.takeProfitPoints > 0
            ? OnPoint(market, price + sign * inputs.takeProfitPoints * market.point)
            : 0;
    return OrderCommand{OrderAction::Place,
                        buy ? OrderType::BuyStop : OrderType::SellStop,
                        0,
                        lots,
                        price,
                        stopLoss,
                        takeProfit};
}
}  // namespace

StraddleDecision DecideStraddle(const StraddleInputs& inputs, const MailboxValues& mailbox,
                                std::string_view chartSymbol, const MarketState& market,
                                const std::vector<OwnOrder>& orders, int64_t lastTraded,
                                int64_t now) {
    StraddleDecision decision{{}, lastTraded};
    if (!orders.empty()) {
        decision.commands = PendingToDelete(inputs, orders, lastTraded, now);
        return decision;
    }
    const std::optional<Announcement> due = DueAnnouncement(mailbox, now, 0);
    if (!due || due->time == lastTraded || !MaskSelects(due->mask, chartSymbol)) return decision;
    if (now < due->time - inputs.leadSeconds || now >= due->time) return decision;
    if (!SpreadWithin(market, inputs.maxSpreadPoints)) return decision;
    const double lots = ClampLots(inputs.lots, inputs.maxLots, market);
    if (lots == 0) return decision;
    if (due->sides != TradeSides::SellOnly) {
        decision.commands.push_back(StopOrder(inputs, market, true, lots));
    }
    if (due->sides != TradeSides::BuyOnly) {
        decision.commands.push_back(StopOrder(inputs, market, false, lots));
    }
    decision.lastTraded = due->time;
    return decision;
}
