#include "ea/qzea_exports.h"

#include <cstdio>
#include <string>

#include "ea/dll_arrays.h"
#include "ea/mailbox_reader.h"
#include "ea/signal_copy_ea.h"
#include "ea/straddle_ea.h"
#include "ea/timed_entry_ea.h"

namespace {
// QZGCOPY.csv holds at most 21 short lines; anything far larger is not the panel's file.
constexpr size_t MAX_COPY_FILE_BYTES = 64 * 1024;

std::string ReadCopyFile(const wchar_t* path) {
    std::string text;
    FILE* file = path != nullptr ? _wfopen(path, L"rb") : nullptr;
    if (file == nullptr) return text;
    char buffer[4096];
    size_t read;
    while (text.size() < MAX_COPY_FILE_BYTES &&
           (read = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, read);
    }
    std::fclose(file);
    return text;
}
}  // namespace

int __stdcall QzReadMailbox(int* time, int* mask, int* direction) {
    const MailboxValues values = ReadPanelMailbox();
    *time = values.time;
    *mask = values.mask;
    *direction = values.direction;
    return values.panelFound ? 1 : 0;
}

int __stdcall QzStraddle(const wchar_t* symbol, long long now, int found, int time, int mask,
                         int direction, int leadSeconds, int distancePoints, int stopLossPoints,
                         int takeProfitPoints, int deleteAfterSeconds, double maxSpreadPoints,
                         double lots, double maxLots, const double* market, const int* orderInts,
                         const double* orderLots, int orderCount, long long* lastTraded,
                         int* commandInts, double* commandValues, int capacity) {
    const StraddleInputs inputs{
        leadSeconds,        distancePoints,  stopLossPoints, takeProfitPoints,
        deleteAfterSeconds, maxSpreadPoints, lots,           maxLots};
    const StraddleDecision decision =
        DecideStraddle(inputs, MailboxValues{found != 0, time, mask, direction},
                       SymbolFromUtf16(symbol), MarketFromArray(market),
                       OrdersFromArrays(orderInts, orderLots, orderCount), *lastTraded, now);
    *lastTraded = decision.lastTraded;
    return WriteCommands(decision.commands, commandInts, commandValues, capacity);
}

int __stdcall QzTimedEntry(const wchar_t* symbol, long long now, int found, int time, int mask,
                           int direction, int entryWindowSeconds, int stopLossPoints,
                           int takeProfitPoints, double maxSpreadPoints, double lots,
                           double maxLots, const double* market, long long* lastTraded,
                           int* commandInts, double* commandValues, int capacity) {
    const TimedEntryInputs inputs{entryWindowSeconds, stopLossPoints, takeProfitPoints,
                                  maxSpreadPoints,    lots,           maxLots};
    const TimedEntryDecision decision =
        DecideTimedEntry(inputs, MailboxValues{found != 0, time, mask, direction},
                         SymbolFromUtf16(symbol), MarketFromArray(market), *lastTraded, now);
    *lastTraded = decision.lastTraded;
    return WriteCommands(decision.commands, commandInts, commandValues, capacity);
}

int __stdcall QzSignalCopy(const wchar_t* path, const wchar_t* symbol, long long now,
                           double lotFactor, double maxLots, int maxAgeSeconds,
                           double maxSpreadPoints, const double* market, const int* orderInts,
                           const double* orderLots, int orderCount, long long* lastCopied,
                           int* commandInts, double* commandValues, int capacity) {
    const SignalCopyInputs inputs{lotFactor, maxLots, maxAgeSeconds, maxSpreadPoints};
    const SignalCopyDecision decision =
        DecideSignalCopy(inputs, ReadCopiedSignals(ReadCopyFile(path)), SymbolFromUtf16(symbol),
                         MarketFromArray(market),
                         OrdersFromArrays(orderInts, orderLots, orderCount), *lastCopied, now);
    *lastCopied = decision.lastCopied;
    return WriteCommands(decision.commands, commandInts, commandValues, capacity);
}
