// The platform's thread-safe local-time conversion: localtime_s on Windows
// (local_clock_win32.cpp), localtime_r elsewhere (local_clock_posix.cpp).
#pragma once

#include <ctime>

// The local calendar parts of the time; false when the time cannot be converted.
bool SplitLocalTime(std::time_t time, std::tm& parts);
