// What becomes of a finished download, on the user-interface thread: the one place where fetched
// data enters the application. The indicator feed is merged into its store, news and notices go
// to theirs and are announced (NewItemNotices), the server poll fills the signal maps and
// rewrites the signal-copy file (ServerPoll). Each call returns what the panel must then do, in
// order: refresh the indicator page, play a sound, show a balloon, show the page on screen again
// (it lists the new items), tell the timer schedule of a server poll.
#pragma once

#include "app/app_core.h"
#include "app/new_item_notices.h"
#include "app/panel_effect.h"
#include "net/feed_request.h"
#include "net/server_poll_download.h"

class FetchedData {
public:
    // Made when the panel is set up (see NewItemNotices for why that moment counts).
    explicit FetchedData(CAppCore& core);

    // A finished feed download. A failed one changes nothing. The indicator feed is merged into
    // the indicator store and everything is saved; the access report's answer is ignored.
    PanelEffects TakeFeed(const FeedRequest& request);
    // A finished server poll (see ServerPoll).
    PanelEffects TakeServerPoll(const ServerPollDownload& download);

private:
    PanelEffects TakeIndicatorFeed(const FeedRequest& request);
    PanelEffects Announce(const NewItemNotice& notice) const;

    CAppCore& core_;
    NewItemNotices newItems_;
};
