// qzea_probe.exe: a 32-bit program that loads qzea.dll as MetaTrader 4 does (by its path, each
// function by its plain name) and prints what the library answers, one "key=value" a line.
//
//   qzea_probe.exe bits
//   qzea_probe.exe mailbox DLL
//   qzea_probe.exe fake-mailbox DLL TIME MASK DIRECTION   (windows of its own, titled as the
//   panel's) qzea_probe.exe straddle DLL SYMBOL NOW                (the live mailbox, the default
//   inputs) qzea_probe.exe timed DLL SYMBOL NOW qzea_probe.exe copy DLL COPY_FILE SYMBOL NOW
//
// The markets are those of the unit tests (tests/ea), so the orders printed can be compared with
// theirs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/panel_window_titles.h"
#include "ea/dll_arrays.h"
#include "ea/qzea_exports.h"
#include "ea/signal_copy_ea.h"
#include "ea/straddle_ea.h"
#include "ea/timed_entry_ea.h"

namespace {
constexpr int CAPACITY = 8;
const double EURUSD_MARKET[MARKET_VALUES] = {1.10000, 1.10010, 0.00001, 0.01, 0.01, 50.0};
const double USDJPY_MARKET[MARKET_VALUES] = {150.000, 150.010, 0.001, 0.01, 0.01, 50.0};

HMODULE library;

template <typename Function>
Function* Import(Function*, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
#define IMPORT(name) Import(&name, #name)

std::wstring Wide(const char* text) {
    std::wstring wide;
    for (; *text != 0; ++text) wide += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return wide;
}

int PrintMailbox() {
    auto* read = IMPORT(QzReadMailbox);
    if (read == nullptr) return 3;
    int time = -1, mask = -1, direction = -1;
    const int found = read(&time, &mask, &direction);
    std::printf("found=%d\ntime=%lu\nmask=%d\ndirection=%d\n", found,
                static_cast<unsigned long>(static_cast<unsigned>(time)), mask, direction);
    return 0;
}

// The panel's window structure with values of our own: a top-level window with the panel's
// title, its titled static of chain 1 and three levels of children below it.
void MakeFakeMailbox(long time, long mask, long direction) {
    HWND panel = CreateWindowA("Static", PANEL_WINDOW_TITLE, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr);
    char title[32];
    std::snprintf(title, sizeof title, MAILBOX_ROOT_TITLE_FORMAT, 1);
    HWND level =
        CreateWindowA("Static", title, WS_CHILD, 0, 0, 0, 0, panel, nullptr, nullptr, nullptr);
    for (long value : {time, mask, direction}) {
        level = CreateWindowA("Static", "", WS_CHILD, 0, 0, 0, 0, level, nullptr, nullptr, nullptr);
        SetWindowLongA(level, GWL_USERDATA, value);
    }
}

void PrintCommands(int count, const int* ints, const double* values, long long remembered) {
    std::printf("count=%d\n", count);
    for (int i = 0; i < count; ++i) {
        const int* in = ints + COMMAND_INTS * i;
        const double* va = values + COMMAND_VALUES * i;
        std::printf("command=%d,%d,%d,%.2f,%.5f,%.5f,%.5f\n", in[0], in[1], in[2], va[0], va[1],
                    va[2], va[3]);
    }
    std::printf("remembered=%lld\n", remembered);
}

int Straddle(const char* symbol, long long now) {
    auto* read = IMPORT(QzReadMailbox);
    auto* decide = IMPORT(QzStraddle);
    if (read == nullptr || decide == nullptr) return 3;
    int time = 0, mask = 0, direction = 0;
    const int found = read(&time, &mask, &direction);
    const StraddleInputs in;
    int ints[COMMAND_INTS * CAPACITY];
    double values[COMMAND_VALUES * CAPACITY];
    long long lastTraded = 0;
    const int count = decide(
        Wide(symbol).c_str(), now, found, time, mask, direction, in.leadSeconds, in.distancePoints,
        in.stopLossPoints, in.takeProfitPoints, in.deleteAfterSeconds, in.maxSpreadPoints, in.lots,
        in.maxLots, EURUSD_MARKET, nullptr, nullptr, 0, &lastTraded, ints, values, CAPACITY);
    PrintCommands(count, ints, values, lastTraded);
    return 0;
}

int Timed(const char* symbol, long long now) {
    auto* read = IMPORT(QzReadMailbox);
    auto* decide = IMPORT(QzTimedEntry);
    if (read == nullptr || decide == nullptr) return 3;
    int time = 0, mask = 0, direction = 0;
    const int found = read(&time, &mask, &direction);
    const TimedEntryInputs in;
    int ints[COMMAND_INTS * CAPACITY];
    double values[COMMAND_VALUES * CAPACITY];
    long long lastTraded = 0;
    const int count =
        decide(Wide(symbol).c_str(), now, found, time, mask, direction, in.entryWindowSeconds,
               in.stopLossPoints, in.takeProfitPoints, in.maxSpreadPoints, in.lots, in.maxLots,
               USDJPY_MARKET, &lastTraded, ints, values, CAPACITY);
    PrintCommands(count, ints, values, lastTraded);
    return 0;
}

int Copy(const char* path, const char* symbol, long long now) {
    auto* decide = IMPORT(QzSignalCopy);
    if (decide == nullptr) return 3;
    const SignalCopyInputs in;
    int ints[COMMAND_INTS * CAPACITY];
    double values[COMMAND_VALUES * CAPACITY];
    long long lastCopied = 0;
    const int count = decide(Wide(path).c_str(), Wide(symbol).c_str(), now, in.lotFactor,
                             in.maxLots, in.maxAgeSeconds, in.maxSpreadPoints, EURUSD_MARKET,
                             nullptr, nullptr, 0, &lastCopied, ints, values, CAPACITY);
    PrintCommands(count, ints, values, lastCopied);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "bits") {
        std::printf("bits=%u\n", static_cast<unsigned>(sizeof(void*) * 8));
        return 0;
    }
    if (argc < 3) return 2;
    library = LoadLibraryA(argv[2]);
    std::printf("loaded=%d\n", library != nullptr ? 1 : 0);
    if (library == nullptr) return 1;
    if (command == "mailbox") return PrintMailbox();
    if (command == "fake-mailbox" && argc == 6) {
        MakeFakeMailbox(static_cast<long>(std::strtoul(argv[3], nullptr, 10)),
                        std::strtol(argv[4], nullptr, 10), std::strtol(argv[5], nullptr, 10));
        return PrintMailbox();
    }
    if (command == "straddle" && argc == 5) return Straddle(argv[3], std::atoll(argv[4]));
    if (command == "timed" && argc == 5) return Timed(argv[3], std::atoll(argv[4]));
    if (command == "copy" && argc == 6) return Copy(argv[3], argv[4], std::atoll(argv[5]));
    return 2;
}
