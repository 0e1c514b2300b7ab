#include "ea/chart_symbol.h"

#include <cctype>
#include <string>

#include "metatrader/symbol_table.h"

namespace {
std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}
}  // namespace

int SymbolIndexOf(std::string_view brokerSymbol) {
    const std::string upper = Upper(brokerSymbol);
    for (int index = 0; index < SYMBOL_COUNT; ++index) {
        if (upper.find(SymbolTable[index]) != std::string::npos) return index;
    }
    return -1;
}

bool MaskSelects(uint32_t mask, std::string_view chartSymbol) {
    const int index = SymbolIndexOf(chartSymbol);
    return index >= 0 && (mask >> index & 1u) != 0;
}

bool SameSymbol(std::string_view left, std::string_view right) {
    const int index = SymbolIndexOf(left);
    return index >= 0 && index == SymbolIndexOf(right);
}
