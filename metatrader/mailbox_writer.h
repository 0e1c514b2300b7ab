// What the auto-trade expert advisor reads: the next ruled announcement, published every five
// seconds in the mailbox windows.
#pragma once

#include <cstdint>

#include "metatrader/auto_trade_rule_store.h"
#include "store/indicator_store.h"

// The nine hidden chain windows under "__QZ__UDWND1" to "__QZ__UDWND3" whose user data carry
// one 32-bit value each. The Windows shell sets them with SetWindowLongPtrA; tests record them.
class EaMailbox {
public:
    static constexpr int CHAINS = 3;
    static constexpr int LEVELS = 3;

    // chain and level from 1 to 3.
    virtual void SetValue(int chain, int level, int32_t value) = 0;

protected:
    ~EaMailbox() = default;
};

// The rule of the first indicator, in time order, that is announced from now (Os().Now()) to
// seven days ahead, both ends included, and whose rule selects at least one symbol; none when no
// indicator qualifies. Times compare as the expert advisor sees them: the low 32 bits, signed.
const AutoTradeRule* NextRuledIndicator(const IndicatorStore& indicators,
                                        const AutoTradeRuleStore& rules);

// Clears all nine values, then writes into chain 1 the next ruled announcement: its time (low
// 32 bits), the rule's symbol mask and the direction code the expert advisor expects (0 both,
// 1 buy only, 2 sell only). With none, every value stays 0.
void MailboxWriter(EaMailbox& mailbox, const IndicatorStore& indicators,
                   const AutoTradeRuleStore& rules);
