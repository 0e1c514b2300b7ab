#include "views/browser_readiness.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kStart = 1700000000;

TEST(BrowserReadinessTest, AControlThatRefusesThePageHasFailedAtOnce) {
    BrowserReadiness readiness;
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
    readiness.Navigated(false, kStart);
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
    EXPECT_FALSE(readiness.Observe(true, kStart + 1));
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
}

TEST(BrowserReadinessTest, ALoadedPageMakesTheControlReadyForGood) {
    BrowserReadiness readiness;
    readiness.Navigated(true, kStart);
    EXPECT_EQ(readiness.State(), BrowserState::Waiting);
    EXPECT_FALSE(readiness.Observe(false, kStart + 1));
    EXPECT_TRUE(readiness.Observe(true, kStart + 2));
    EXPECT_EQ(readiness.State(), BrowserState::Ready);
    // Reloading later is no failure, however long it takes.
    EXPECT_FALSE(readiness.Observe(false, kStart + 100));
    EXPECT_EQ(readiness.State(), BrowserState::Ready);
}

TEST(BrowserReadinessTest, APageThatNeverLoadsFailsAfterThePatience) {
    BrowserReadiness readiness;
    readiness.Navigated(true, kStart);
    EXPECT_FALSE(readiness.Observe(false, kStart + BrowserReadiness::PATIENCE_SECONDS - 1));
    EXPECT_EQ(readiness.State(), BrowserState::Waiting);
    EXPECT_TRUE(readiness.Observe(false, kStart + BrowserReadiness::PATIENCE_SECONDS));
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
    EXPECT_FALSE(readiness.Observe(true, kStart + 60));

    // A clock set back starts the patience afresh.
    readiness.Navigated(true, kStart);
    EXPECT_FALSE(readiness.Observe(false, kStart - 3600));
    EXPECT_FALSE(readiness.Observe(false, kStart - 3600 + BrowserReadiness::PATIENCE_SECONDS - 1));
    EXPECT_TRUE(readiness.Observe(false, kStart - 3600 + BrowserReadiness::PATIENCE_SECONDS));
}

}  // namespace
