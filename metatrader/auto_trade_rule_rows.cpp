#include "metatrader/auto_trade_rule_rows.h"

#include "base/local_time.h"
#include "base/byte_text.h"

namespace {
constexpr int MASK_BITS = 64;

std::string RowTitle(const IndicatorRecord& first) {
    const LocalTime local = ToLocalTime(first.when);
    return FormatText("[%d/%d %02d:%02d]", local.month, local.day, local.hour, local.minute) +
           first.name;
}
}  // namespace

std::vector<RuleListRow> RuleListRows(const IndicatorStore& indicators, int64_t now,
                                      int32_t minimumRank) {
    std::vector<RuleListRow> rows;
    int64_t rowTime = 0;
    const auto& all = indicators.All();
    for (auto at = indicators.FirstAfter(now); at != all.end(); ++at) {
        const IndicatorRecord& record = at->second;
        if (record.rank < minimumRank) continue;
        if (!rows.empty() && record.when == rowTime) {
            rows.back().title += "," + record.name;
            continue;
        }
        rows.push_back(RuleListRow{record.id, RowTitle(record)});
        rowTime = record.when;
    }
    return rows;
}

std::optional<RuleRowTexts> RuleRowTextsFor(const IndicatorStore& indicators,
                                            const AutoTradeRuleStore& rules, int32_t indicatorId) {
    if (!indicators.FindById(indicatorId)) return std::nullopt;
    const AutoTradeRule* stored = rules.FindRule(indicatorId);
    const AutoTradeRule rule = stored ? *stored : AutoTradeRule{};
    return RuleRowTexts{PairListText(rule.pairMask), DirectionText(rule.direction),
                        rule.iaLink != 0 ? "○" : ""};
}

void DoubleClickRuleCell(const IndicatorStore& indicators, AutoTradeRuleStore& rules,
                         std::optional<int32_t> rowIndicatorId, int column,
                         const RuleEditor& edit) {
    const IndicatorRecord* indicator =
        rowIndicatorId ? indicators.FindById(*rowIndicatorId) : nullptr;
    if (indicator && column == RULE_LINK_COLUMN) {
        AutoTradeRule& rule = rules.FindOrCreateRule(indicator->id);
        rule.iaLink = rule.iaLink == 0 ? 1 : 0;
    } else if (indicator) {
        // A copy: the store may be refreshed while the editor waits for the user.
        edit(RuleEditRequest{indicator->id, indicator->name});
    }
    rules.SaveRules();
}

void ClearListedRules(AutoTradeRuleStore& rules, const std::vector<int32_t>& listedIndicatorIds) {
    for (int32_t id : listedIndicatorIds) {
        AutoTradeRule* rule = rules.FindRule(id);
        if (!rule) continue;
        for (int selector : {PAIR_MASK, SPARE_MASK, DIRECTION_WORDS})
            for (int index = 0; index < MASK_BITS; ++index) rule->ClearSymbolBit(selector, index);
    }
    rules.SaveRules();
}
