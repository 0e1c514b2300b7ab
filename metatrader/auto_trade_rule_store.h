// The auto-trade rules, one per indicator id, kept in "iaacm.dat".
//
// Rules outlive their indicators; only ClearRules removes them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

#include "metatrader/auto_trade_rule.h"

class AutoTradeRuleStore {
public:
    // The rule of the indicator, or nothing.
    AutoTradeRule* FindRule(int32_t indicatorId);
    const AutoTradeRule* FindRule(int32_t indicatorId) const;
    // The rule of the indicator; a missing one is created with no symbols, both directions and
    // the IA link off.
    AutoTradeRule& FindOrCreateRule(int32_t indicatorId);

    size_t Count() const { return rules_.size(); }
    // Empties the store; the file changes at the next save.
    void ClearRules() { rules_.clear(); }

    // Replaces the rules by those of the file. Malformed words read as 0; of two lines with the
    // same id the first wins. A missing file leaves the store empty.
    void LoadRules();
    // One line per rule in ascending id order. False when the file could not be written; the
    // previous file then stays whole.
    bool SaveRules() const;

private:
    std::map<int32_t, AutoTradeRule> rules_;
};
