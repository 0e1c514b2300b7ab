// A five-digit EURUSD quote with usual broker lot rules, shared by the expert advisors' tests.
#pragma once

#include "ea/order_command.h"

inline MarketState EurUsdMarket() {
    return MarketState{1.10000, 1.10010, 0.00001, 0.01, 0.01, 50.0};
}
