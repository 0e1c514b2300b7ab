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
    EXPECT_TRUE(readiness.ShowsPlainText());
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
    EXPECT_EQ(readiness.State(), BrowserState::Late);
    EXPECT_TRUE(readiness.ShowsPlainText());

    // A clock set back starts the patience afresh.
    readiness.Navigated(true, START);
    EXPECT_FALSE(readiness.Observe(false, START - 3600));
    EXPECT_FALSE(readiness.Observe(false, START - 3600 + BrowserReadiness::PATIENCE_SECONDS - 1));
    EXPECT_TRUE(readiness.Observe(false, START - 3600 + BrowserReadiness::PATIENCE_SECONDS));
}

// A slow first load (a cold start at logon, a stalled embedded player) must not turn the pane
// off for the whole run.
TEST(BrowserReadinessTest, ALateControlThatCompletesALaterLoadIsUsedAgain) {
    BrowserReadiness readiness;
    readiness.Navigated(true, START);
    EXPECT_TRUE(readiness.Observe(false, START + BrowserReadiness::PATIENCE_SECONDS));
    // However long it stays late, the plain text stands in and nothing changes.
    EXPECT_FALSE(readiness.Observe(false, START + 3600));
    EXPECT_EQ(readiness.State(), BrowserState::Late);
    EXPECT_TRUE(readiness.Observe(true, START + 3601));
    EXPECT_EQ(readiness.State(), BrowserState::Ready);
    EXPECT_FALSE(readiness.ShowsPlainText());
    // Once it has completed, a slow reload is no reason to hide it again.
    EXPECT_FALSE(readiness.Observe(false, START + 7200));
    EXPECT_EQ(readiness.State(), BrowserState::Ready);
}

}  // namespace
