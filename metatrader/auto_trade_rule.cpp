#include "metatrader/auto_trade_rule.h"

#include "metatrader/symbol_table.h"

namespace {
constexpr int MASK_BITS = 64;
constexpr int WORD_BITS = 32;

using RuleWord = int32_t AutoTradeRule::*;

// The word of a rule that holds the bit, or nothing.
RuleWord MaskWord(int selector, int index) {
    if (index < 0 || index >= MASK_BITS) return nullptr;
    const bool high = index >= WORD_BITS;
    switch (selector) {
    case PAIR_MASK: return high ? &AutoTradeRule::pairMaskHigh : &AutoTradeRule::pairMask;
    case SPARE_MASK: return high ? &AutoTradeRule::spareMaskHigh : &AutoTradeRule::spareMask;
    case DIRECTION_WORDS: return high ? &AutoTradeRule::spareWord : &AutoTradeRule::direction;
    default: return nullptr;
    }
}

uint32_t BitValue(int index) { return uint32_t{1} << (index % WORD_BITS); }
}  // namespace

void AutoTradeRule::SetSymbolBit(int selector, int index) {
    if (RuleWord word = MaskWord(selector, index))
        this->*word = static_cast<int32_t>(static_cast<uint32_t>(this->*word) | BitValue(index));
}

void AutoTradeRule::ClearSymbolBit(int selector, int index) {
    if (RuleWord word = MaskWord(selector, index))
        this->*word = static_cast<int32_t>(static_cast<uint32_t>(this->*word) & ~BitValue(index));
}

bool AutoTradeRule::TestSymbolBit(int selector, int index) const {
    const RuleWord word = MaskWord(selector, index);
    return word && (static_cast<uint32_t>(this->*word) & BitValue(index)) != 0;
}

std::string PairListText(int32_t pairMask) {
    std::string text;
    for (int index = 0; index < SYMBOL_COUNT; ++index) {
        if ((static_cast<uint32_t>(pairMask) & BitValue(index)) == 0) continue;
        if (!text.empty()) text += ",";
        text += SymbolTable[index];
    }
    return text.empty() ? "設定無し" : text;
}

std::string DirectionText(int32_t direction) {
    switch (direction) {
    case TRADE_BOTH: return "売買";
    case TRADE_SELL_ONLY: return "売";
    case TRADE_BUY_ONLY: return "買";
    default: return "";
    }
}
