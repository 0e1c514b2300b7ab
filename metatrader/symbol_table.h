// The MetaTrader symbols the expert advisor can trade. Bit i of a symbol mask selects
// SymbolTable[i]; the order is fixed because the masks travel to the expert advisor.
#pragma once

#include <array>

inline constexpr int SYMBOL_COUNT = 30;

extern const std::array<const char*, SYMBOL_COUNT> SymbolTable;
