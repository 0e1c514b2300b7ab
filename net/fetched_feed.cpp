#include "net/fetched_feed.h"

#include "store/local_files.h"

FetchedFeedOutcome HandleFetchedFeed(CAppCore& core, const FeedRequest& request) {
    FetchedFeedOutcome outcome;
    if (!request.succeeded) return outcome;
    switch (request.kind) {
    case FEED_INDICATORS:
        core.m_indicatorStore.Merge(request.result, IndicatorFilePath(), core.m_autoNotifyRank,
                                    core.m_nextIndicatorId);
        outcome.refillIndicatorList = true;
        core.SaveAll();
        break;
    case FEED_NEWS:
        outcome.newItems = core.m_newsStore.TakeFetchedFeed(request.result, core.m_newsCheckedAt);
        break;
    case FEED_NOTICES:
        outcome.newItems = core.m_noticeStore.TakeFetchedFeed(request.result, core.m_noticeCheckedAt);
        break;
    case FEED_ACCESS_REPORT: break;
    }
    return outcome;
}
