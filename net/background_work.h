// Work that runs on threads beside the user-interface thread, and the hand-over of its results.
//
// Each piece of work runs on a thread of its own, in a numbered slot. While the work of a slot
// is pending (running, or finished but not yet taken) no other work starts in that slot, so two
// downloads never share a scratch file. A finished worker queues its result and wakes the
// user-interface thread, which takes the results and does everything else with them. A worker
// never waits for the user-interface thread.
//
// Closing never waits long: it cancels the work still running (base/cancel_token.h: its socket
// waits and pauses end within a fraction of a second) and waits for it at most the close
// allowance. A worker still busy after that is let go: it shares nothing with this object but
// a small hand-over record that it keeps alive itself, it owns its work and its result, and once
// closed it neither queues a result nor wakes anybody, so it cannot reach a window that is gone.
// Every result has one owner at any time: its worker, then the queue, then whoever took it;
// results nobody took are released with this object.
#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "base/byte_text.h"
#include "base/cancel_token.h"
#include "base/os.h"

template <class Result>
class BackgroundWork {
public:
    using Work = std::function<std::unique_ptr<Result>()>;
    static constexpr int CLOSE_ALLOWANCE_MILLISECONDS = 3000;

    // wakeUp runs on a worker thread once its result is queued (the panel posts itself a
    // message); it must return without waiting for the user-interface thread.
    explicit BackgroundWork(std::function<void()> wakeUp,
                            int closeAllowanceMilliseconds = CLOSE_ALLOWANCE_MILLISECONDS)
        : shared_(std::make_shared<Shared>(std::move(wakeUp))),
          closeAllowance_(closeAllowanceMilliseconds) {}

    ~BackgroundWork() {
        Close();
        std::unique_lock<std::mutex> lock(shared_->mutex);
        shared_->changed.wait_until(lock, closeDeadline_,
                                    [this] { return shared_->running.empty(); });
        const std::set<int> stillRunning = shared_->running;
        lock.unlock();
        for (auto& [slot, worker] : workers_) {
            if (stillRunning.count(slot) != 0)
                worker.thread.detach();
            else
                worker.thread.join();  // past its work; only its thread's end is left
        }
        // Work deaf to its cancel is a fault of that work; it is the one thing closing cannot
        // mend, so it is said.
        if (!stillRunning.empty())
            Os().Trace(FormatText("let go of %zu worker(s) still running after the close allowance",
                                  stillRunning.size()));
    }

    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Cancels the work still running and drops whatever it finds from now on; the close
    // allowance counts from the first call. An owner of several calls it on each before they
    // are destroyed, so that together they wait no longer than one allowance.
    void Close() {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        if (shared_->closed) return;
        shared_->closed = true;
        closeDeadline_ = std::chrono::steady_clock::now() + closeAllowance_;
        for (auto& worker : workers_) worker.second.cancel->Cancel();
    }

    // User-interface thread. False, and nothing started, while work of the slot is pending,
    // once closed, or when the system has no thread to give.
    bool Start(int slot, Work work) {
        if (workers_.count(slot) != 0) return false;
        auto cancel = std::make_shared<CancelToken>();
        {
            std::lock_guard<std::mutex> lock(shared_->mutex);
            if (shared_->closed) return false;
            shared_->running.insert(slot);
        }
        try {
            std::thread thread([shared = shared_, cancel, slot, work = std::move(work)] {
                Run(*shared, *cancel, slot, work);
            });
            workers_.emplace(slot, Worker{std::move(thread), std::move(cancel)});
        } catch (const std::system_error&) {
            std::lock_guard<std::mutex> lock(shared_->mutex);
            shared_->running.erase(slot);
            return false;
        }
        return true;
    }

    // User-interface thread: the results queued so far, oldest first. Their slots are free again.
    std::vector<std::unique_ptr<Result>> TakeFinished() {
        std::vector<std::pair<int, std::unique_ptr<Result>>> taken;
        {
            std::lock_guard<std::mutex> lock(shared_->mutex);
            taken.swap(shared_->finished);
        }
        std::vector<std::unique_ptr<Result>> results;
        for (auto& [slot, result] : taken) {
            // The worker is past its work; this only waits for its thread to end.
            auto worker = workers_.find(slot);
            worker->second.thread.join();
            workers_.erase(worker);
            results.push_back(std::move(result));
        }
        return results;
    }

private:
    // What the owner and its workers share; a let-go worker keeps it alive.
    struct Shared {
        explicit Shared(std::function<void()> wake) : wakeUp(std::move(wake)) {}

        const std::function<void()> wakeUp;
        std::mutex mutex;
        std::condition_variable changed;
        bool closed = false;                                            // guarded by mutex
        std::set<int> running;                                          // guarded by mutex
        std::vector<std::pair<int, std::unique_ptr<Result>>> finished;  // guarded by mutex
    };

    struct Worker {
        std::thread thread;
        std::shared_ptr<CancelToken> cancel;
    };

    static void Run(Shared& shared, const CancelToken& cancel, int slot, const Work& work) {
        std::unique_ptr<Result> result;
        {
            ScopedThreadCancelToken bound(cancel);
            result = work();
        }
        std::lock_guard<std::mutex> lock(shared.mutex);
        shared.running.erase(slot);
        // Under the lock, so that the owner cannot close between the test and the wake-up.
        if (!shared.closed) {
            shared.finished.emplace_back(slot, std::move(result));
            shared.wakeUp();
        }
        shared.changed.notify_all();
    }

    std::shared_ptr<Shared> shared_;
    // <chrono> itself cannot be compiled for CP932 literals; <condition_variable> brings the
    // duration types.
    const std::chrono::milliseconds closeAllowance_;
    std::chrono::steady_clock::time_point closeDeadline_;  // set by the first Close
    std::map<int, Worker> workers_;                        // user-interface thread only
};
