#include "metatrader/auto_trade_rule_store.h"

#include <string>
#include <string_view>
#include <vector>

#include "base/line_file.h"
#include "store/local_files.h"
#include "base/field_codec.h"

namespace {
std::string RuleFileLine(const AutoTradeRule& rule) {
    std::string line;
    for (int32_t word :
         {rule.indicatorId, rule.pairMask, rule.pairMaskHigh, rule.spareMask, rule.spareMaskHigh,
          rule.direction, rule.spareWord, rule.iaLink, rule.reservedWord})
        AppendHexField(line, static_cast<uint32_t>(word));
    return line;
}

AutoTradeRule ParseRuleFileLine(std::string_view line) {
    AutoTradeRule rule;
    for (int32_t* word :
         {&rule.indicatorId, &rule.pairMask, &rule.pairMaskHigh, &rule.spareMask,
          &rule.spareMaskHigh, &rule.direction, &rule.spareWord, &rule.iaLink, &rule.reservedWord})
        *word = TakeHexField(line);
    return rule;
}
}  // namespace

AutoTradeRule* AutoTradeRuleStore::FindRule(int32_t indicatorId) {
    auto found = rules_.find(indicatorId);
    return found == rules_.end() ? nullptr : &found->second;
}

const AutoTradeRule* AutoTradeRuleStore::FindRule(int32_t indicatorId) const {
    auto found = rules_.find(indicatorId);
    return found == rules_.end() ? nullptr : &found->second;
}

AutoTradeRule& AutoTradeRuleStore::FindOrCreateRule(int32_t indicatorId) {
    auto [entry, created] = rules_.try_emplace(indicatorId);
    if (created) entry->second.indicatorId = indicatorId;
    return entry->second;
}

void AutoTradeRuleStore::LoadRules() {
    rules_.clear();
    for (const std::string& line : ReadLineFile(RuleFilePath())) {
        if (line.empty()) continue;
        AutoTradeRule rule = ParseRuleFileLine(line);
        rules_.try_emplace(rule.indicatorId, rule);
    }
}

bool AutoTradeRuleStore::SaveRules() const {
    std::vector<std::string> lines;
    lines.reserve(rules_.size());
    for (const auto& entry : rules_) lines.push_back(RuleFileLine(entry.second));
    return WriteLineFile(RuleFilePath(), lines);
}
