// Whether the user has to accept the terms of use (again): the acceptance must not be older than
// the current terms.
#pragma once

#include <cstdint>

// The moment the current terms took effect: 2013-09-04 00:00:00 local time, seconds since 1970.
int64_t TermsThreshold();

// True when the stored acceptance time (signed 32-bit seconds since 1970; 0 = never accepted)
// lies before the threshold.
bool NeedsTermsAcceptance(int32_t acceptedAt);
