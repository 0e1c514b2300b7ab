#include "welcome/terms.h"

#include "base/local_time.h"

int64_t TermsThreshold() { return FromLocalTime(2013, 9, 4, 0, 0, 0); }

bool NeedsTermsAcceptance(int32_t acceptedAt) {
    return static_cast<int64_t>(acceptedAt) < TermsThreshold();
}
