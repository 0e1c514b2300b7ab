#include "ea/timed_entry_ea.h"

#include "ea/chart_symbol.h"

TimedEntryDecision DecideTimedEntry(const TimedEntryInputs& inputs, const MailboxValues& mailbox,
                                    std::string_view chartSymbol, const MarketState& market,
                                    int64_t lastTraded, int64_t now) {
    TimedEntryDecision decision{{}, lastTraded};
    const std::optional<Announcement> due =
        DueAnnouncement(mailbox, now, inputs.entryWindowSeconds);
    if (!due || due->time == lastTraded || due->sides == TradeSides::Both) return decision;
    if (!MaskSelects(due->mask, chartSymbol) || now < due->time) return decision;
    if (!SpreadWithin(market, inputs.maxSpreadPoints)) return decision;
    const double lots = ClampLots(inputs.lots, inputs.maxLots, market);
    if (lots == 0) return decision;

    const bool buy = due->sides == TradeSides::BuyOnly;
    const double sign = buy ? 1 : -1;
    const double price = buy ? market.ask : market.bid;
    const double stopLoss =
        inputs.stopLossPoints > 0
            ? OnPoint(market, price - sign * inputs.stopLossPoints * market.point)
            : 0;
    const double takeProfit =
        inputs.takeProfitPoints > 0
            ? OnPoint(market, price + sign * inputs.takeProfitPoints * market.point)
            : 0;
    decision.commands.push_back(OrderCommand{OrderAction::Place,
                                             buy ? OrderType::Buy : OrderType::Sell, 0, lots, price,
                                             stopLoss, takeProfit});
    decision.lastTraded = due->time;
    return decision;
}
