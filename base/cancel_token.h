// Cancellation of work that runs on a worker thread.
//
// The owner of the work keeps the token and cancels it when it no longer wants the result (the
// panel closing). The work binds the token to its thread for its duration; the waits deep inside
// it (the pause before a socket attempt, a socket waiting for data, the system download) look
// at the thread's token and give up within a fraction of a second, so no signature between the
// owner and those waits has to carry it.
#pragma once

#include <condition_variable>
#include <mutex>

class CancelToken {
public:
    // Any thread. Wakes every wait on this token.
    void Cancel();
    bool Cancelled() const;
    // Waits up to the given time; returns early, with false, once the token is cancelled.
    bool WaitFor(int milliseconds) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool cancelled_ = false;  // guarded by mutex_
};

// Binds a token to the calling thread for the lifetime of this object.
class ScopedThreadCancelToken {
public:
    explicit ScopedThreadCancelToken(const CancelToken& token);
    ~ScopedThreadCancelToken();
    ScopedThreadCancelToken(const ScopedThreadCancelToken&) = delete;
    ScopedThreadCancelToken& operator=(const ScopedThreadCancelToken&) = delete;

private:
    const CancelToken* previous_;
};

// The token bound to the calling thread, or nullptr outside cancellable work.
const CancelToken* ThisThreadCancelToken();
// True when the calling thread's work has been cancelled.
bool ThisThreadCancelled();
// Sleeps, or less when the calling thread's work is cancelled meanwhile. The platform seams'
// SleepMilliseconds use it, so every pause of cancellable work ends at the cancel.
void SleepUnlessCancelled(int milliseconds);
