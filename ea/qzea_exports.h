// The functions of qzea.dll, exported by these plain names for the expert advisors' #import
// blocks. MQL4 passes int as int, long as long long, double as double, a string as a UTF-16
// const wchar_t*, and a reference or an array as a pointer. The array layouts are dll_arrays.h's;
// each decision returns how many commands it wrote.
#pragma once

#define QZEA_EXPORT extern "C" __declspec(dllexport)

// 1 with the three values set when a panel runs (all 0 when nothing is due); 0 when none runs.
QZEA_EXPORT int __stdcall QzReadMailbox(int* time, int* mask, int* direction);

QZEA_EXPORT int __stdcall QzStraddle(const wchar_t* symbol, long long now, int found, int time,
                                     int mask, int direction, int leadSeconds, int distancePoints,
                                     int stopLossPoints, int takeProfitPoints,
                                     int deleteAfterSeconds, double maxSpreadPoints, double lots,
                                     double maxLots, const double* market, const int* orderInts,
                                     const double* orderLots, int orderCount, long long* lastTraded,
                                     int* commandInts, double* commandValues, int capacity);

QZEA_EXPORT int __stdcall QzTimedEntry(const wchar_t* symbol, long long now, int found, int time,
                                       int mask, int direction, int entryWindowSeconds,
                                       int stopLossPoints, int takeProfitPoints,
                                       double maxSpreadPoints, double lots, double maxLots,
                                       const double* market, long long* lastTraded,
                                       int* commandInts, double* commandValues, int capacity);

// path: the terminal's QZGCOPY.csv; a file that cannot be read holds no signals.
QZEA_EXPORT int __stdcall QzSignalCopy(const wchar_t* path, const wchar_t* symbol, long long now,
                                       double lotFactor, double maxLots, int maxAgeSeconds,
                                       double maxSpreadPoints, const double* market,
                                       const int* orderInts, const double* orderLots,
                                       int orderCount, long long* lastCopied, int* commandInts,
                                       double* commandValues, int capacity);
