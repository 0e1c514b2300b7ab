#include "ea/order_command.h"

#include <algorithm>
#include <cmath>

namespace {
// Prices and lots arrive as doubles from the terminal; this absorbs their representation error.
constexpr double ROUNDING_SLACK = 1e-9;
}  // namespace

bool IsPending(const OwnOrder& order) {
    return order.type != OrderType::Buy && order.type != OrderType::Sell;
}

bool SpreadWithin(const MarketState& market, double maxSpreadPoints) {
    if (market.point <= 0 || market.ask <= 0 || market.bid <= 0) return false;
    return (market.ask - market.bid) / market.point <= maxSpreadPoints + ROUNDING_SLACK;
}

double OnPoint(const MarketState& market, double price) {
    if (market.point <= 0) return price;
    return std::round(price / market.point) * market.point;
}

double ClampLots(double wanted, double userMax, const MarketState& market) {
    if (wanted <= 0 || userMax <= 0) return 0;
    double cap = userMax;
    if (market.maxLot > 0) cap = std::min(cap, market.maxLot);
    double lots = std::min(wanted, cap);
    if (market.lotStep > 0) {
        lots = std::floor(lots / market.lotStep + ROUNDING_SLACK) * market.lotStep;
    }
    lots = std::max(lots, market.minLot);
    if (lots <= 0 || lots > cap + ROUNDING_SLACK) return 0;
    return lots;
}
