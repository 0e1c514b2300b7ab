#include "net/test_timings.h"

#include <cstdlib>

#include "net/socket_connection.h"
#include "net/transfer_bound.h"

namespace {
// A positive whole number of milliseconds from the environment; 0 when unset or not one.
long EnvironmentMilliseconds(const char* name) {
    const char* text = std::getenv(name);
    if (!text || !*text) return 0;
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    return *end == '\0' && value > 0 ? value : 0;
}
}  // namespace

unsigned MinuteTickMilliseconds(unsigned normal) {
    long shortened = EnvironmentMilliseconds("PELIMOR_TEST_MINUTE_MS");
    return shortened > 0 ? static_cast<unsigned>(shortened) : normal;
}

void ApplyTestNetworkTimeout() {
    long timeout = EnvironmentMilliseconds("PELIMOR_TEST_NETWORK_TIMEOUT_MS");
    if (timeout <= 0) return;
    SetSocketTimeoutMilliseconds(static_cast<uint32_t>(timeout));
    SetSocketDeadlineMilliseconds(4 * static_cast<uint32_t>(timeout));
    SetSystemDownloadLimits({timeout, 4 * static_cast<int64_t>(timeout)});
}
