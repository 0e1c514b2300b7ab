// What the user-interface thread does with a finished background fetch of the indicator feed or
// the access report. The news and notice feeds go to the panel's new-item handling
// (NewItemNotices), which updates their stores and decides what to announce.
#pragma once

#include "app/app_core.h"
#include "net/feed_request.h"

struct FetchedFeedOutcome {
    // The indicator store took a new feed: the panel refills its list.
    bool refillIndicatorList = false;
};

// A failed fetch changes nothing. Otherwise the indicator feed is merged into the indicator
// store and everything is saved; the access report's answer is ignored.
FetchedFeedOutcome HandleFetchedFeed(CAppCore& core, const FeedRequest& request);
