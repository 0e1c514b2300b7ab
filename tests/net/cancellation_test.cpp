// Cancellation and bounds of the work beside the user-interface thread: closing never waits
// long, cancelled downloads stop and touch no file, and a transfer without data is abandoned.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <thread>

#include "base/cancel_token.h"
#include "net/background_work.h"
#include "net/http_client.h"
#include "net/transfer_bound.h"
#include "tests/net/download_test_support.h"
#include "tests/support/loopback_server.h"

namespace {
using Ending = ScriptedReply::Ending;

// Long enough that a wait which is not cut short shows as a hung test, never as a pass.
constexpr int FOREVER_MILLISECONDS = 600'000;

// A result that says when it is released, and by whom it was released last.
struct Flagged {
    explicit Flagged(std::shared_ptr<std::promise<void>> released)
        : released_(std::move(released)) {}
    ~Flagged() { released_->set_value(); }
    std::shared_ptr<std::promise<void>> released_;
};

TEST(BackgroundWorkClosing, CancelsRunningWorkWhichThenHandsNothingOver) {
    FakeOs os;
    WakeUps wakeUps;
    auto sawCancel = std::make_shared<std::atomic<bool>>(false);
    {
        BackgroundWork<int> work(wakeUps.Callback());
        ASSERT_TRUE(work.Start(1, [sawCancel] {
            // Stands for a download waiting on a silent server.
            *sawCancel = !ThisThreadCancelToken()->WaitFor(FOREVER_MILLISECONDS);
            return std::make_unique<int>(1);
        }));
    }
    EXPECT_TRUE(*sawCancel);
    EXPECT_EQ(wakeUps.Count(), 0);
    EXPECT_TRUE(os.Traces().empty());  // it ended within the allowance: nobody was let go
}

TEST(BackgroundWorkClosing, LetsGoOfWorkThatIgnoresTheCancelAfterItsAllowance) {
    FakeOs os;
    WakeUps wakeUps;
    auto letGo = std::make_shared<std::promise<void>>();
    auto released = std::make_shared<std::promise<void>>();
    std::shared_future<void> goOn = letGo->get_future().share();
    std::future<void> resultReleased = released->get_future();
    {
        BackgroundWork<Flagged> work(wakeUps.Callback(), 50);
        ASSERT_TRUE(work.Start(1, [goOn, released] {
            goOn.wait();  // deaf to the cancel, like a call that cannot be interrupted
            return std::make_unique<Flagged>(released);
        }));
    }
    // The owner is gone while its worker still runs; the worker ends later, releases its own
    // result and wakes nobody.
    letGo->set_value();
    resultReleased.wait();
    EXPECT_EQ(wakeUps.Count(), 0);
    EXPECT_EQ(os.Traces(), std::vector<std::string>{
                               "let go of 1 worker(s) still running after the close allowance"});
}

TEST(BackgroundWorkClosing, ClosedWorkStartsNothingMore) {
    WakeUps wakeUps;
    BackgroundWork<int> work(wakeUps.Callback());
    work.Close();
    EXPECT_FALSE(work.Start(1, [] { return std::make_unique<int>(1); }));
    EXPECT_TRUE(work.TakeFinished().empty());
}

TEST(BackgroundWorkClosing, SlotOfAFinishedWorkIsFreeOnceTaken) {
    WakeUps wakeUps;
    BackgroundWork<int> work(wakeUps.Callback());
    ASSERT_TRUE(work.Start(3, [] { return std::make_unique<int>(7); }));
    wakeUps.WaitFor(1);
    EXPECT_FALSE(work.Start(3, [] { return std::make_unique<int>(8); }));
    auto results = work.TakeFinished();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(*results[0], 7);
    EXPECT_TRUE(work.Start(3, [] { return std::make_unique<int>(9); }));
}

TEST(CancelledDownload, StopsWaitingOnASilentServerAndMakesNoFurtherAttempt) {
    // The default socket time-out stays: only the cancel can end the wait in good time.
    FakeOs os;
    LoopbackServer server({{"", Ending::Stall}});
    const std::string scratch = os.folder.Path() + "iaweb2.dat";
    WriteBytes(scratch, "earlier copy");
    CancelToken cancel;
    std::promise<bool> fetched;
    std::thread worker([&] {
        ScopedThreadCancelToken bound(cancel);
        FetchedText result;
        fetched.set_value(
            FetchUrl("http://" + server.HostAndPort() + "/f.dat", scratch, result, false, ""));
    });
    while (server.Requests().empty()) std::this_thread::yield();
    // The attempt deleted the old copy before it connected.
    EXPECT_FALSE(os.PathExists(scratch));
    WriteBytes(scratch, "written by someone else");
    cancel.Cancel();
    worker.join();
    EXPECT_FALSE(fetched.get_future().get());
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(ReadBytes(scratch), "written by someone else");
}

TEST(CancelledDownload, PausesOfCancelledWorkEndAtTheCancel) {
    CancelToken cancel;
    std::thread worker([&] {
        ScopedThreadCancelToken bound(cancel);
        SleepUnlessCancelled(FOREVER_MILLISECONDS);
    });
    cancel.Cancel();
    worker.join();
    EXPECT_TRUE(cancel.Cancelled());
    EXPECT_EQ(ThisThreadCancelToken(), nullptr);
}

TEST(TransferBoundTest, GivesUpWithoutDataForTheIdleLimitAndAfterTheTotalLimitInAnyCase) {
    const TransferLimits limits{300, 1200};
    struct Step {
        int64_t at;
        bool data;
        bool exceeded;
    };
    const Step steps[] = {
        {0, false, false},  {299, false, false}, {250, true, false},   {549, false, false},
        {500, true, false}, {700, true, false},  {999, false, false},  {1000, false, true},
        {900, true, false}, {1100, true, false}, {1199, false, false}, {1200, true, true},
    };
    TransferBound bound(limits, 0);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.at);
        if (step.data) bound.DataArrived(step.at);
        EXPECT_EQ(bound.Exceeded(step.at), step.exceeded);
    }
}

TEST(TransferBoundTest, SystemDownloadLimitsAre30And120SecondsUnlessChanged) {
    const TransferLimits normal = SystemDownloadLimits();
    EXPECT_EQ(normal.idleMilliseconds, 30'000);
    EXPECT_EQ(normal.totalMilliseconds, 120'000);
    SetSystemDownloadLimits({100, 400});
    EXPECT_EQ(SystemDownloadLimits().idleMilliseconds, 100);
    EXPECT_EQ(SystemDownloadLimits().totalMilliseconds, 400);
    SetSystemDownloadLimits(normal);
}
}  // namespace
