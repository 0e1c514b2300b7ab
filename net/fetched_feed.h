// What the user-interface thread does with a finished background fetch.
#pragma once

#include "app/app_core.h"
#include "net/feed_request.h"

struct FetchedFeedOutcome {
    // The indicator store took a new feed: the panel refills its list.
    bool refillIndicatorList = false;
    // The news or notice store reported items to announce (unread, not yet announced and newer
    // than the previous check); the panel's new-item handling takes it from here.
    bool newItems = false;
};

// A failed fetch changes nothing. Otherwise the indicator feed is merged into the indicator
// store and everything is saved; the news and notice feeds update their stores and move their
// last-check times to now; the access report's answer is ignored.
FetchedFeedOutcome HandleFetchedFeed(CAppCore& core, const FeedRequest& request);
