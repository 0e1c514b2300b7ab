#include "base/local_clock.h"

bool SplitLocalTime(std::time_t time, std::tm& parts) {
    return localtime_r(&time, &parts) != nullptr;
}
