// Helpers for the tests of downloads that run on worker threads.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "net/socket_connection.h"
#include "tests/support/test_os.h"

// Sets the environment variable that overrides the server's base URL; "" removes it.
inline void SetBaseUrlVariable(const char* value) {
#ifdef _WIN32
    _putenv_s("PELIMOR_BASE_URL", value);
#else
    if (*value)
        setenv("PELIMOR_BASE_URL", value, 1);
    else
        unsetenv("PELIMOR_BASE_URL");
#endif
}

// Points the program at a server for the lifetime of this object.
class ScopedBaseUrl {
public:
    explicit ScopedBaseUrl(const std::string& hostAndPort) {
        SetBaseUrlVariable(("http://" + hostAndPort + "/sv_pelimor/websys/").c_str());
    }
    ~ScopedBaseUrl() { SetBaseUrlVariable(""); }
    ScopedBaseUrl(const ScopedBaseUrl&) = delete;
    ScopedBaseUrl& operator=(const ScopedBaseUrl&) = delete;
};

// A short socket time-out, so that silent servers fail quickly.
class ShortSocketTimeout {
public:
    ShortSocketTimeout() : previous_(SocketTimeoutMilliseconds()) {
        SetSocketTimeoutMilliseconds(300);
    }
    ~ShortSocketTimeout() { SetSocketTimeoutMilliseconds(previous_); }
    ShortSocketTimeout(const ShortSocketTimeout&) = delete;
    ShortSocketTimeout& operator=(const ShortSocketTimeout&) = delete;

private:
    uint32_t previous_;
};

// The seam for worker threads: records every sleep instead of sleeping, safely from any thread,
// and can hold the sleepers until the test lets them go.
class WorkerOs : public FakeOs {
public:
    void SleepMilliseconds(int milliseconds) override {
        std::unique_lock<std::mutex> lock(mutex_);
        sleeps_.push_back(milliseconds);
        changed_.notify_all();
        changed_.wait(lock, [this] { return !holding_; });
    }

    std::vector<int> TakeSleeps() {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(sleeps_, {});
    }
    void HoldSleepers() {
        std::lock_guard<std::mutex> lock(mutex_);
        holding_ = true;
    }
    // Waits until count sleeps have begun.
    void WaitForSleepers(size_t count) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return sleeps_.size() >= count; });
    }
    void ReleaseSleepers() {
        std::lock_guard<std::mutex> lock(mutex_);
        holding_ = false;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<int> sleeps_;
    bool holding_ = false;
};

// Counts the wake-ups that finished downloads send to the user-interface thread.
class WakeUps {
public:
    std::function<void()> Callback() {
        return [this] {
            std::lock_guard<std::mutex> lock(mutex_);
            ++count_;
            woken_.notify_all();
        };
    }
    // Waits for the count; ctest's time limit ends a run that never gets there.
    void WaitFor(int count) {
        std::unique_lock<std::mutex> lock(mutex_);
        woken_.wait(lock, [&] { return count_ >= count; });
    }
    int Count() {
        std::lock_guard<std::mutex> lock(mutex_);
        return count_;
    }

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    int count_ = 0;
};
