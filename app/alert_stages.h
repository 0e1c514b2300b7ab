// The fired-alert bits of an indicator record: which of its alerts have been given, so that none
// repeats, even after a restart. Each lead-time event has the bit of its number (0 to 16); the
// two announcement stages follow.
#pragma once

#include <cstdint>

inline constexpr uint32_t JUST_BEFORE_BIT = 1u << 22;
inline constexpr uint32_t AT_ANNOUNCEMENT_BIT = 1u << 23;
