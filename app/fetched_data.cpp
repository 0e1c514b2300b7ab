#include "app/fetched_feed.h"

#include "store/local_files.h"

FetchedFeedOutcome HandleFetchedFeed(CAppCore& core, const FeedRequest& request) {
    FetchedFeedOutcome outcome;
    if (!request.succeeded || request.kind != FEED_INDICATORS) return outcome;
    core.m_indicatorStore.Merge(request.result, IndicatorFilePath(), core.m_autoNotifyRank, core.m_nextIndicatorId);
    outcome.refillIndicatorList = true;
    core.SaveAll();
    return outcome;
}
