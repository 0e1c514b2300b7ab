#include "views/browser_readiness.h"

void BrowserReadiness::Navigated(bool accepted, int64_t now) {
    state_ = accepted ? BrowserState::Waiting : BrowserState::Failed;
    navigatedAt_ = now;
}

bool BrowserReadiness::Observe(bool complete, int64_t now) {
    if (state_ == BrowserState::Ready || state_ == BrowserState::Failed) return false;
    if (complete) {
        state_ = BrowserState::Ready;
        return true;
    }
    if (state_ == BrowserState::Late) return false;
    // A clock set back starts the patience afresh rather than stretching it.
    if (now < navigatedAt_) navigatedAt_ = now;
    if (now - navigatedAt_ < PATIENCE_SECONDS) return false;
    state_ = BrowserState::Late;
    return true;
}
