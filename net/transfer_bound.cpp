#include "net/transfer_bound.h"

#include <atomic>

namespace {
std::atomic<int64_t> g_idleMilliseconds{TransferLimits{}.idleMilliseconds};
std::atomic<int64_t> g_totalMilliseconds{TransferLimits{}.totalMilliseconds};
}  // namespace

TransferLimits SystemDownloadLimits() { return {g_idleMilliseconds, g_totalMilliseconds}; }

void SetSystemDownloadLimits(TransferLimits limits) {
    g_idleMilliseconds = limits.idleMilliseconds;
    g_totalMilliseconds = limits.totalMilliseconds;
}

TransferBound::TransferBound(TransferLimits limits, int64_t startMilliseconds)
    : limits_(limits), start_(startMilliseconds), lastData_(startMilliseconds) {}

void TransferBound::DataArrived(int64_t nowMilliseconds) { lastData_ = nowMilliseconds; }

bool TransferBound::Exceeded(int64_t nowMilliseconds) const {
    return nowMilliseconds - lastData_ >= limits_.idleMilliseconds ||
           nowMilliseconds - start_ >= limits_.totalMilliseconds;
}
