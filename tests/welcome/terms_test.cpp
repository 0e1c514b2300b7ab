// When the terms of use must be accepted again.
#include "welcome/terms.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {
// Tests run in Japan standard time, so the terms took effect at 2013-09-03 15:00:00 UTC.
TEST(Terms, AcceptanceBeforeTheCurrentTermsMustBeRenewed) {
    const int32_t threshold = 1378220400;
    EXPECT_EQ(TermsThreshold(), threshold);
    EXPECT_TRUE(NeedsTermsAcceptance(0));
    EXPECT_TRUE(NeedsTermsAcceptance(threshold - 1));
    EXPECT_FALSE(NeedsTermsAcceptance(threshold));
    EXPECT_FALSE(NeedsTermsAcceptance(INT32_MAX));
    // A stored value with the top bit set is a time before 1970, not one after 2038.
    EXPECT_TRUE(NeedsTermsAcceptance(INT32_MIN));
    EXPECT_TRUE(NeedsTermsAcceptance(-1));
}
}  // namespace
