#include "app/fetched_data.h"

#include "app/server_poll.h"
#include "store/local_files.h"

FetchedData::FetchedData(CAppCore& core) : core_(core), newItems_(core) {}

FetchEffects FetchedData::TakeFeed(const FeedRequest& request) {
    if (!request.succeeded) return {};
    switch (request.kind) {
    case FEED_NEWS: return Announce(newItems_.OnNewsFetched(request.result));
    case FEED_NOTICES: return Announce(newItems_.OnNoticesFetched(request.result));
    case FEED_INDICATORS: return TakeIndicatorFeed(request);
    default: return {};
    }
}

FetchEffects FetchedData::TakeIndicatorFeed(const FeedRequest& request) {
    core_.m_indicatorStore.Merge(request.result, IndicatorFilePath(), core_.m_autoNotifyRank,
                                 core_.m_nextIndicatorId);
    core_.SaveAll();
    FetchEffects effects;
    effects.refreshIndicatorPage = true;
    return effects;
}

FetchEffects FetchedData::Announce(const NewItemNotice& notice) {
    FetchEffects effects;
    effects.sound = notice.sound;
    effects.balloon = notice.balloon;
    effects.showPageAgain = notice.showPageAgain;
    return effects;
}

FetchEffects FetchedData::TakeServerPoll(const ServerPollDownload& download) {
    ServerPollOutcome outcome = ServerPoll(core_, download);
    FetchEffects effects;
    effects.sound = outcome.sound;
    effects.serverPolled = true;
    effects.signalsChanged = outcome.changed;
    return effects;
}
