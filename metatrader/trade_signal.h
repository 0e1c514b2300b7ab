// One trade signal as the server poll stores it, and what its fields mean.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/local_time.h"

// What a signal asks for, with the texts the signal page shows for it.
struct SignalKind {
    int code;               // 0 sell, 1 buy, 2 modify (sell), 3 modify (buy), 4 close
    const char* longText;   // "ASK(買い)"
    const char* marker;     // "0▼": the digit picks the colour of the marker line
    const char* shortText;  // "ASK買"
};

// The kind for a kind letter ("N" new, "C" close, else modify) and a side letter ("S", "B").
const SignalKind& SignalKindOf(std::string_view kindLetter, std::string_view sideLetter);

// An entry text "s0,s1,...,s9[,...]": s0 number, s1 text after "-", s2 text shown first,
// s3 kind letter, s4 side letter, s5..s7 prices, s9 "yyyy.mm.dd hh:mm:ss" in local time.
class TradeSignal {
public:
    explicit TradeSignal(std::string entryText);

    // Field index from 0; "" when the entry is shorter.
    std::string Field(int index) const;
    // s0 read as atoi reads it.
    int32_t Number() const;
    const SignalKind& Kind() const;
    // s5 alone when s6 holds nothing but zeros and points (an order without a second price),
    // else "s5/s6/s7".
    std::string PriceText() const;
    // The moment s9 names, in local time; false when s9 is missing or no valid date and time.
    bool Time(LocalTime& local) const;

private:
    std::string text_;
};
