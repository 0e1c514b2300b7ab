// What becomes of a finished download, on the user-interface thread: the one place where fetched
// data enters the application. The indicator feed is merged into its store, news and notices go
// to theirs and are announced (NewItemNotices), the server poll fills the signal maps and
// rewrites the signal-copy file (ServerPoll). Each call returns what the panel must then do, the
// way its page operations return PageEffects; the panel carries the effects out in one place.
#pragma once

#include <optional>

#include "app/app_core.h"
#include "app/new_item_notices.h"
#include "sound/sound_cue.h"
#include "net/feed_request.h"
#include "net/server_poll_download.h"

struct FetchEffects {
    // The indicator store took a new feed: refill the indicator list and repaint the panel.
    bool refreshIndicatorPage = false;
    // To play at once.
    std::optional<SoundCue> sound;
    // To show at the tray icon.
    std::optional<BalloonNotice> balloon;
    // The page on screen lists the new items (news or notices): show it again.
    bool showPageAgain = false;
    // A server poll was taken: the timer schedule hears of it (AfterServerPoll), with whether
    // the server's update counter moved.
    bool serverPolled = false;
    bool signalsChanged = false;
};

class FetchedData {
public:
    // Made when the panel is set up (see NewItemNotices for why that moment counts).
    explicit FetchedData(CAppCore& core);

    // A finished feed download. A failed one changes nothing. The indicator feed is merged into
    // the indicator store and everything is saved; the access report's answer is ignored.
    FetchEffects TakeFeed(const FeedRequest& request);
    // A finished server poll (see ServerPoll).
    FetchEffects TakeServerPoll(const ServerPollDownload& download);

private:
    FetchEffects TakeIndicatorFeed(const FeedRequest& request);
    static FetchEffects Announce(const NewItemNotice& notice);

    CAppCore& core_;
    NewItemNotices newItems_;
};
