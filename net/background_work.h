// Work that runs on threads beside the user-interface thread, and the hand-over of its results.
//
// Each piece of work runs on a thread of its own, in a numbered slot. While the work of a slot
// is pending (running, or finished but not yet taken) no other work starts in that slot, so two
// downloads never share a scratch file. A finished worker queues its result and wakes the
// user-interface thread, which takes the results and does everything else with them. A worker
// never waits for the user-interface thread, so that thread may wait for the workers at shut-down
// without a deadlock. Every result has one owner at any time: its worker, then the queue, then
// whoever took it; results nobody took are released with this object.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

template <class Result>
class BackgroundWork {
public:
    using Work = std::function<std::unique_ptr<Result>()>;

    // wakeUp runs on a worker thread once its result is queued (the panel posts itself a
    // message); it must return without waiting for the user-interface thread.
    explicit BackgroundWork(std::function<void()> wakeUp) : wakeUp_(std::move(wakeUp)) {}

    // Waits for the workers still running; their downloads are bounded by the socket time-outs.
    ~BackgroundWork() {
        for (auto& worker : workers_) worker.second.join();
    }

    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // User-interface thread. False, and nothing started, while work of the slot is pending or
    // when the system has no thread to give.
    bool Start(int slot, Work work) {
        if (workers_.count(slot) != 0) return false;
        try {
            workers_.emplace(slot, std::thread([this, slot, work = std::move(work)] { Run(slot, work); }));
        } catch (const std::system_error&) {
            return false;
        }
        return true;
    }

    // User-interface thread: the results queued so far, oldest first. Their slots are free again.
    std::vector<std::unique_ptr<Result>> TakeFinished() {
        std::vector<std::pair<int, std::unique_ptr<Result>>> taken;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            taken.swap(finished_);
        }
        std::vector<std::unique_ptr<Result>> results;
        for (auto& [slot, result] : taken) {
            // The worker is past its work; this only waits for its thread to end.
            auto worker = workers_.find(slot);
            worker->second.join();
            workers_.erase(worker);
            results.push_back(std::move(result));
        }
        return results;
    }

private:
    void Run(int slot, const Work& work) {
        std::unique_ptr<Result> result = work();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_.emplace_back(slot, std::move(result));
        }
        wakeUp_();
    }

    const std::function<void()> wakeUp_;
    std::mutex mutex_;
    std::vector<std::pair<int, std::unique_ptr<Result>>> finished_;  // guarded by mutex_
    std::map<int, std::thread> workers_;                              // user-interface thread only
};
