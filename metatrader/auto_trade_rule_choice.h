// What the rule editor shows and stores: the symbols ticked for one announcement and the
// direction to trade.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "metatrader/auto_trade_rule_store.h"

// The editor offers symbols 0..28; the last symbol of the table has a name but cannot be chosen.
inline constexpr int EDITABLE_SYMBOL_COUNT = 29;

// The direction choices in value order, so a choice's index is the direction it stands for.
inline constexpr std::array<const char*, 3> DIRECTION_CHOICES = {"売買", "売りのみ", "買いのみ"};

struct RuleChoice {
    std::array<bool, EDITABLE_SYMBOL_COUNT> ticked{};
    int32_t direction = TRADE_BOTH;
};

// The text above the symbol list: "対象指標" and the announcement's name on the next line.
std::string RuleEditorHeading(const std::string& indicatorName);

// What the editor starts with: the rule's symbols and direction, or nothing ticked and both
// directions for an announcement without a rule. A direction the editor cannot offer shows as
// both directions.
RuleChoice RuleChoiceOf(const AutoTradeRuleStore& rules, int32_t indicatorId);

// OK: the announcement's rule (created when missing) takes the choice. Symbol bits the editor
// does not offer keep their values.
void ApplyRuleChoice(AutoTradeRuleStore& rules, int32_t indicatorId, const RuleChoice& choice);
