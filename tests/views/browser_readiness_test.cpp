#include "views/browser_readiness.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t START = 1700000000;

TEST(BrowserReadinessTest, AControlThatRefusesThePageHasFailedAtOnce) {
    BrowserReadiness readiness;
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
    readiness.Navigated(false, START);
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
    EXPECT_FALSE(readiness.Observe(true, START + 1));
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
}

TEST(BrowserReadinessTest, ALoadedPageMakesTheControlReadyForGood) {
    BrowserReadiness readiness;
    readiness.Navigated(true, START);
    EXPECT_EQ(readiness.State(), BrowserState::Waiting);
    EXPECT_FALSE(readiness.Observe(false, START + 1));
    EXPECT_TRUE(readiness.Observe(true, START + 2));
    EXPECT_EQ(readiness.State(), BrowserState::Ready);
    // Reloading later is no failure, however long it takes.
    EXPECT_FALSE(readiness.Observe(false, START + 100));
    EXPECT_EQ(readiness.State(), BrowserState::Ready);
}

TEST(BrowserReadinessTest, APageThatNeverLoadsFailsAfterThePatience) {
    BrowserReadiness readiness;
    readiness.Navigated(true, START);
    EXPECT_FALSE(readiness.Observe(false, START + BrowserReadiness::PATIENCE_SECONDS - 1));
    EXPECT_EQ(readiness.State(), BrowserState::Waiting);
    EXPECT_TRUE(readiness.Observe(false, START + BrowserReadiness::PATIENCE_SECONDS));
    EXPECT_EQ(readiness.State(), BrowserState::Failed);
    EXPECT_FALSE(readiness.Observe(true, START + 60));

    // A clock set back starts the patience afresh.
    readiness.Navigated(true, START);
    EXPECT_FALSE(readiness.Observe(false, START - 3600));
    EXPECT_FALSE(readiness.Observe(false, START - 3600 + BrowserReadiness::PATIENCE_SECONDS - 1));
    EXPECT_TRUE(readiness.Observe(false, START - 3600 + BrowserReadiness::PATIENCE_SECONDS));
}

}  // namespace
