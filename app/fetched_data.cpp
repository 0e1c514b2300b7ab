#include "app/fetched_data.h"

#include "app/server_poll.h"
#include "store/local_files.h"

FetchedData::FetchedData(CAppCore& core) : core_(core), newItems_(core) {}

PanelEffects FetchedData::TakeFeed(const FeedRequest& request) {
    if (!request.succeeded) return {};
    switch (request.kind) {
    case FEED_NEWS: return Announce(newItems_.OnNewsFetched(request.result));
    case FEED_NOTICES: return Announce(newItems_.OnNoticesFetched(request.result));
    case FEED_INDICATORS: return TakeIndicatorFeed(request);
    default: return {};
    }
}

PanelEffects FetchedData::TakeIndicatorFeed(const FeedRequest& request) {
    core_.m_indicatorStore.Merge(request.result, IndicatorFilePath(), core_.m_autoNotifyRank,
                                 core_.m_nextIndicatorId);
    core_.SaveAll();
    return {{PanelEffectKind::RefreshIndicatorPage}};
}

PanelEffects FetchedData::Announce(const NewItemNotice& notice) const {
    PanelEffects effects;
    if (notice.sound) effects.push_back(PanelEffect::Sound(*notice.sound));
    if (notice.balloon) effects.push_back(PanelEffect::Balloon(*notice.balloon));
    if (notice.showPageAgain) effects.push_back({PanelEffectKind::ShowPage, core_.m_page});
    return effects;
}

PanelEffects FetchedData::TakeServerPoll(const ServerPollDownload& download) {
    ServerPollOutcome outcome = ServerPoll(core_, download);
    PanelEffects effects;
    if (outcome.sound) effects.push_back(PanelEffect::Sound(*outcome.sound));
    effects.push_back({PanelEffectKind::AfterServerPoll, outcome.changed ? 1 : 0});
    return effects;
}
