// What crosses the library's boundary as MQL4 passes it: arrays of int and double, and strings
// as UTF-16. One shape for all three expert advisors.
//
//   market[MARKET_VALUES]        bid, ask, point, minimum lot, lot step, maximum lot
//   orderInts[2 * n]             ticket, OP_ type of each own order
//   orderLots[n]                 its lots
//   commandInts[3 * capacity]    action, OP_ type, ticket of each command
//   commandValues[4 * capacity]  lots, price, stop-loss, take-profit of each command
#pragma once

#include <string>
#include <vector>

#include "ea/order_command.h"

inline constexpr int MARKET_VALUES = 6;
inline constexpr int COMMAND_INTS = 3;
inline constexpr int COMMAND_VALUES = 4;

MarketState MarketFromArray(const double* market);

// Orders with an unknown type are left out, so they are never touched.
std::vector<OwnOrder> OrdersFromArrays(const int* orderInts, const double* orderLots, int count);

// Writes at most capacity commands and returns how many it wrote.
int WriteCommands(const OrderCommands& commands, int* commandInts, double* commandValues,
                  int capacity);

// A symbol's name from the terminal: symbols are ASCII, anything else becomes '?'.
std::string SymbolFromUtf16(const wchar_t* text);
