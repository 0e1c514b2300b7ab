#include "metatrader/auto_trade_rule_choice.h"

namespace {
bool IsOffered(int32_t direction) {
    return direction >= 0 && direction < static_cast<int32_t>(DIRECTION_CHOICES.size());
}
}  // namespace

std::string RuleEditorHeading(const std::string& indicatorName) {
    return "対象指標\n" + indicatorName;
}

RuleChoice RuleChoiceOf(const AutoTradeRuleStore& rules, int32_t indicatorId) {
    RuleChoice choice;
    const AutoTradeRule* rule = rules.FindRule(indicatorId);
    if (!rule) return choice;
    for (int index = 0; index < EDITABLE_SYMBOL_COUNT; ++index)
        choice.ticked[index] = rule->TestSymbolBit(PAIR_MASK, index);
    if (IsOffered(rule->direction)) choice.direction = rule->direction;
    return choice;
}

void ApplyRuleChoice(AutoTradeRuleStore& rules, int32_t indicatorId, const RuleChoice& choice) {
    AutoTradeRule& rule = rules.FindOrCreateRule(indicatorId);
    for (int index = 0; index < EDITABLE_SYMBOL_COUNT; ++index) {
        if (choice.ticked[index])
            rule.SetSymbolBit(PAIR_MASK, index);
        else
            rule.ClearSymbolBit(PAIR_MASK, index);
    }
    rule.direction = choice.direction;
}
