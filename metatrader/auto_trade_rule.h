// What the expert advisor is to trade around one economic-indicator announcement.
//
// The nine words are also the layout of a line of "iaacm.dat", in this order.
#pragma once

#include <cstdint>
#include <string>

enum TradeDirection : int32_t {
    TRADE_BOTH = 0,
    TRADE_SELL_ONLY = 1,
    TRADE_BUY_ONLY = 2,
};

// Which pair of words a symbol bit operation addresses. Symbol index i < 32 is bit i of the
// low word, 32..63 bit i - 32 of the high word.
enum MaskSelector : int {
    PAIR_MASK = 0,        // pairMask, pairMaskHigh: the symbols to trade
    SPARE_MASK = 1,       // spareMask, spareMaskHigh
    DIRECTION_WORDS = 2,  // direction, spareWord: lets a bulk reset clear them bit by bit
};

struct AutoTradeRule {
    int32_t indicatorId = 0;  // the rule belongs to this indicator
    int32_t pairMask = 0;
    int32_t pairMaskHigh = 0;  // no symbol lives here; kept for the file layout
    int32_t spareMask = 0;
    int32_t spareMaskHigh = 0;
    int32_t direction = TRADE_BOTH;
    int32_t spareWord = 0;
    int32_t iaLink = 0;        // 0 or 1
    int32_t reservedWord = 0;  // carried through the file unchanged

    // Any other selector, or an index outside 0..63, changes nothing (the test answers false).
    void SetSymbolBit(int selector, int index);
    void ClearSymbolBit(int selector, int index);
    bool TestSymbolBit(int selector, int index) const;
};

// The names of the symbols selected in bits 0..29, ascending and joined with ",";
// "設定無し" when there are none.
std::string PairListText(int32_t pairMask);

// "売買", "売" or "買" for the list of rules; "" for any other value.
std::string DirectionText(int32_t direction);
