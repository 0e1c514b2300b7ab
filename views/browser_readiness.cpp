#include "views/browser_readiness.h"

void BrowserReadiness::Navigated(bool accepted, int64_t now) {
    state_ = accepted ? BrowserState::Waiting : BrowserState::Failed;
    navigatedAt_ = now;
}

bool BrowserReadiness::Observe(bool complete, int64_t now) {
    if (state_ != BrowserState::Waiting) return false;
    // A clock set back starts the patience afresh rather than stretching it.
    if (now < navigatedAt_) navigatedAt_ = now;
    if (complete) {
        state_ = BrowserState::Ready;
    } else if (now - navigatedAt_ >= PATIENCE_SECONDS) {
        state_ = BrowserState::Failed;
    } else {
        return false;
    }
    return true;
}
