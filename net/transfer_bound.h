// The bound of a download whose progress is only reported, not waited for by us (the system's
// URL download service): it is abandoned when no data has arrived for a while, and in any case
// after a longer while, so that a server which accepts and never answers cannot hold a download
// thread for ever. An abandoned download is a failed attempt.
#pragma once

#include <cstdint>

struct TransferLimits {
    int64_t idleMilliseconds = 30'000;
    int64_t totalMilliseconds = 120'000;
};

// The limits of the system download: 30 s without data, 120 s in all, unless changed.
TransferLimits SystemDownloadLimits();
// Applies to downloads started afterwards (test start-ups shorten them).
void SetSystemDownloadLimits(TransferLimits limits);

// One transfer's clock: times are milliseconds on any steady clock, given by the caller.
class TransferBound {
public:
    TransferBound(TransferLimits limits, int64_t startMilliseconds);

    void DataArrived(int64_t nowMilliseconds);
    // True once the transfer has waited too long for data, or has run too long in all.
    bool Exceeded(int64_t nowMilliseconds) const;

private:
    TransferLimits limits_;
    int64_t start_;
    int64_t lastData_;
};
