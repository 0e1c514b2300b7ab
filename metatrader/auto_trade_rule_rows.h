// The list of auto-trade rules: one row per upcoming announcement time, and what the user's
// actions on the list do to the rules.
//
// Announcements due at the same moment share one row and the rule of the first of them, because
// the expert advisor trades around a moment, not around a single figure.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "metatrader/auto_trade_rule_store.h"
#include "store/indicator_store.h"

// The column that shows and toggles the IA link; the others open the rule editor.
inline constexpr int RULE_LINK_COLUMN = 3;

struct RuleListRow {
    int32_t indicatorId = 0;  // the first announcement of the row; its rule serves the row
    std::string title;        // "[m/d hh:mm]" and the names, joined with ","
};

// The announcements after now whose rank reaches minimumRank, in time order; those due at the
// time of the previous row join that row.
std::vector<RuleListRow> RuleListRows(const IndicatorStore& indicators, int64_t now,
                                      int32_t minimumRank);

struct RuleRowTexts {
    std::string symbols;    // PairListText of the rule
    std::string direction;  // DirectionText of the rule
    std::string link;       // "○" when the IA link is on
};

// The rule columns of a row; a row without a rule shows an empty rule. Nothing when the
// announcement has left the store meanwhile: the row then keeps what it shows.
std::optional<RuleRowTexts> RuleRowTextsFor(const IndicatorStore& indicators,
                                            const AutoTradeRuleStore& rules, int32_t indicatorId);

struct RuleEditRequest {
    int32_t indicatorId = 0;
    std::string name;
};
// Runs the rule editor for one announcement; it changes the rule only when the user confirms.
using RuleEditor = std::function<void(const RuleEditRequest&)>;

// A double-click on the list. rowIndicatorId is the selected row's announcement (none when no
// row is selected), column the cell under the cursor. On the IA link column the link flips (a
// missing rule is created with the link on); elsewhere the editor runs. Rows whose announcement
// is gone are left alone. The rules are saved afterwards in every case.
void DoubleClickRuleCell(const IndicatorStore& indicators, AutoTradeRuleStore& rules,
                         std::optional<int32_t> rowIndicatorId, int column, const RuleEditor& edit);

// "全て削除": the rules of the listed announcements lose their symbols and direction (and the
// spare words); their IA link and reserved word stay. Rules not listed are untouched. Then the
// rules are saved.
void ClearListedRules(AutoTradeRuleStore& rules, const std::vector<int32_t>& listedIndicatorIds);
