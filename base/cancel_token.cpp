#include "base/cancel_token.h"

#include <thread>

namespace {
thread_local const CancelToken* t_token = nullptr;
}

void CancelToken::Cancel() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cancelled_ = true;
    }
    changed_.notify_all();
}

bool CancelToken::Cancelled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return cancelled_;
}

bool CancelToken::WaitFor(int milliseconds) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return !changed_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                              [this] { return cancelled_; });
}

ScopedThreadCancelToken::ScopedThreadCancelToken(const CancelToken& token) : previous_(t_token) {
    t_token = &token;
}

ScopedThreadCancelToken::~ScopedThreadCancelToken() { t_token = previous_; }

const CancelToken* ThisThreadCancelToken() { return t_token; }

bool ThisThreadCancelled() { return t_token && t_token->Cancelled(); }

void SleepUnlessCancelled(int milliseconds) {
    if (milliseconds <= 0) return;
    if (t_token)
        t_token->WaitFor(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
