// The downloads the panel runs beside its own thread: the periodic feeds, the server poll and
// the update check.
//
// The panel owns one of these. A finished download wakes the panel (on Windows by posting it
// UM_FETCH_DONE); the panel then takes the finished feeds, polls and update checks and handles
// them on its own thread (FetchedData, AskAboutUpdate). Destroying this object
// cancels the downloads still running, waits for them at most 3 s and lets go of any still
// blocked (BackgroundWork); whatever was not taken is released.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/background_work.h"
#include "net/feed_request.h"
#include "net/server_poll_download.h"

// What a finished check for a newer release brings back to the user-interface thread.
struct UpdateCheckAnswer {
    bool newer = false;   // the check's answer
    bool manual = false;  // asked for from the menu, not the silent check at start
};

class ServerDownloads {
public:
    // wakeUp runs on a download thread and must not wait for the panel's thread.
    explicit ServerDownloads(std::function<void()> wakeUp);
    // Closes the three kinds of work together, so that closing waits one allowance in all.
    ~ServerDownloads();
    ServerDownloads(const ServerDownloads&) = delete;
    ServerDownloads& operator=(const ServerDownloads&) = delete;

    // Starts a background fetch of url as the kind; false while the previous fetch of the kind
    // has not been taken yet (the two would share a scratch file).
    bool StartFeedFetch(const std::string& url, FeedKind kind);
    // Starts a poll against the last update counter; false while the previous poll is pending.
    bool StartServerPoll(int32_t lastCounter);
    // Starts a check for a newer release (isNewer runs on the worker); false while one is
    // pending. A manual request while one is pending makes that check's answer manual, so the
    // user who asked hears the answer even when the silent check at start was still waiting.
    bool StartUpdateCheck(bool manual, std::function<bool()> isNewer);

    // The finished downloads, oldest first.
    std::vector<std::unique_ptr<FeedRequest>> TakeFinishedFeeds();
    std::vector<std::unique_ptr<ServerPollDownload>> TakeFinishedPolls();
    std::vector<std::unique_ptr<UpdateCheckAnswer>> TakeFinishedUpdateChecks();

private:
    BackgroundWork<FeedRequest> feeds_;
    BackgroundWork<ServerPollDownload> polls_;
    BackgroundWork<UpdateCheckAnswer> updateChecks_;
    bool manualWhilePending_ = false;  // a manual request came while a check was pending
};
