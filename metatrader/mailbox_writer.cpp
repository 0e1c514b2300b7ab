#include "metatrader/mailbox_writer.h"

#include "base/os.h"

namespace {
constexpr int64_t SEVEN_DAYS = 604800;

int32_t Low32Bits(int64_t time) { return static_cast<int32_t>(static_cast<uint32_t>(time)); }

// The rule's direction is the user's view (1 sell only, 2 buy only); the expert advisor counts
// the other way round.
int32_t DirectionCode(int32_t direction) {
    switch (direction) {
    case TRADE_SELL_ONLY: return 2;
    case TRADE_BUY_ONLY: return 1;
    default: return 0;
    }
}
}  // namespace

const AutoTradeRule* NextRuledIndicator(const IndicatorStore& indicators,
                                        const AutoTradeRuleStore& rules) {
    const int32_t now = Low32Bits(Os().Now());
    for (const auto& [when, indicator] : indicators.All()) {
        const int32_t time = Low32Bits(when);
        // Widened before adding, so a window reaching past 2038 cannot overflow.
        if (time < now || time > int64_t{now} + SEVEN_DAYS) continue;
        const AutoTradeRule* rule = rules.FindRule(indicator.id);
        if (rule && rule->pairMask != 0) return rule;
    }
    return nullptr;
}

void MailboxWriter(EaMailbox& mailbox, const IndicatorStore& indicators,
                   const AutoTradeRuleStore& rules) {
    for (int chain = 1; chain <= EaMailbox::CHAINS; ++chain)
        for (int level = 1; level <= EaMailbox::LEVELS; ++level) mailbox.SetValue(chain, level, 0);

    const AutoTradeRule* rule = NextRuledIndicator(indicators, rules);
    if (!rule) return;
    const IndicatorRecord* indicator = indicators.FindById(rule->indicatorId);
    mailbox.SetValue(1, 1, indicator ? Low32Bits(indicator->when) : 0);
    mailbox.SetValue(1, 2, indicator ? rule->pairMask : 0);
    mailbox.SetValue(1, 3, DirectionCode(rule->direction));
}
