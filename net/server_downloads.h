// The downloads the panel runs beside its own thread: the periodic feeds and the server poll.
//
// The panel owns one of these. A finished download wakes the panel (on Windows by posting it
// UM_FETCH_DONE); the panel then takes the finished feeds and polls and handles them on its own
// thread (FetchedData). Destroying this object waits for the downloads still
// running, at most as long as their socket time-outs, and releases whatever was not taken.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/background_work.h"
#include "net/feed_request.h"
#include "net/server_poll_download.h"

class ServerDownloads {
public:
    // wakeUp runs on a download thread and must not wait for the panel's thread.
    explicit ServerDownloads(std::function<void()> wakeUp);

    // Starts a background fetch of url as the kind; false while the previous fetch of the kind
    // has not been taken yet (the two would share a scratch file).
    bool StartFeedFetch(const std::string& url, FeedKind kind);
    // Starts a poll against the last update counter; false while the previous poll is pending.
    bool StartServerPoll(int32_t lastCounter);

    // The finished downloads, oldest first.
    std::vector<std::unique_ptr<FeedRequest>> TakeFinishedFeeds();
    std::vector<std::unique_ptr<ServerPollDownload>> TakeFinishedPolls();

private:
    BackgroundWork<FeedRequest> feeds_;
    BackgroundWork<ServerPollDownload> polls_;
};
