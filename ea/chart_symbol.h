// Brokers name the symbols of the symbol table with a prefix or a suffix of their own
// ("EURUSD.m", "EURUSDpro", "mEURUSD"); these find the table's symbol inside such a name.
#pragma once

#include <cstdint>
#include <string_view>

// The index in the symbol table of the symbol the name contains (letters in any case), or -1.
int SymbolIndexOf(std::string_view brokerSymbol);

// Whether the mask selects the chart's symbol.
bool MaskSelects(uint32_t mask, std::string_view chartSymbol);

// Whether two broker names, each with its own prefix or suffix, name the same table symbol.
bool SameSymbol(std::string_view left, std::string_view right);
