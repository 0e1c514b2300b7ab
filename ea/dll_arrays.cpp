#include "ea/dll_arrays.h"

#include <algorithm>

MarketState MarketFromArray(const double* market) {
    return MarketState{market[0], market[1], market[2], market[3], market[4], market[5]};
}

std::vector<OwnOrder> OrdersFromArrays(const int* orderInts, const double* orderLots, int count) {
    std::vector<OwnOrder> orders;
    for (int i = 0; i < count; ++i) {
        const int type = orderInts[2 * i + 1];
        if (type < static_cast<int>(OrderType::Buy) ||
            type > static_cast<int>(OrderType::SellStop)) {
            continue;
        }
        orders.push_back(OwnOrder{orderInts[2 * i], static_cast<OrderType>(type), orderLots[i]});
    }
    return orders;
}

int WriteCommands(const OrderCommands& commands, int* commandInts, double* commandValues,
                  int capacity) {
    const int count = std::min(static_cast<int>(commands.size()), std::max(capacity, 0));
    for (int i = 0; i < count; ++i) {
        const OrderCommand& command = commands[i];
        commandInts[COMMAND_INTS * i] = static_cast<int>(command.action);
        commandInts[COMMAND_INTS * i + 1] = static_cast<int>(command.type);
        commandInts[COMMAND_INTS * i + 2] = command.ticket;
        commandValues[COMMAND_VALUES * i] = command.lots;
        commandValues[COMMAND_VALUES * i + 1] = command.price;
        commandValues[COMMAND_VALUES * i + 2] = command.stopLoss;
        commandValues[COMMAND_VALUES * i + 3] = command.takeProfit;
    }
    return count;
}

std::string SymbolFromUtf16(const wchar_t* text) {
    std::string symbol;
    for (; text != nullptr && *text != 0; ++text) {
        symbol += *text > 0 && *text < 0x80 ? static_cast<char>(*text) : '?';
    }
    return symbol;
}
