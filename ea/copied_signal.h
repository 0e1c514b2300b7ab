// The lines of QZGCOPY.csv as the panel writes them, oldest first: symbol, time in seconds since
// 1970, kind letter, side letter, price, stop, limit, lots, then the time as text (ignored).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class SignalAction { Open, Close, Modify };

struct CopiedSignal {
    std::string symbol;
    int64_t time = 0;
    SignalAction action = SignalAction::Open;
    bool buy = false;
    double price = 0;
    double stop = 0;   // 0: none
    double limit = 0;  // 0: none
    double lots = 0;
    bool operator==(const CopiedSignal&) const = default;
};

// Every line that reads as a signal; a line with a field missing or not a number, an unknown
// side of a new position or no lots for it is left out.
std::vector<CopiedSignal> ReadCopiedSignals(std::string_view fileText);
