#include "net/server_downloads.h"

#include <utility>

namespace {
// Polls never overlap: they all use this one slot; so do update checks, in their own work.
constexpr int POLL_SLOT = 0;
constexpr int UPDATE_CHECK_SLOT = 0;
}  // namespace

ServerDownloads::ServerDownloads(std::function<void()> wakeUp)
    : feeds_(wakeUp), polls_(wakeUp), updateChecks_(std::move(wakeUp)) {}

ServerDownloads::~ServerDownloads() {
    feeds_.Close();
    polls_.Close();
    updateChecks_.Close();
}

bool ServerDownloads::StartFeedFetch(const std::string& url, FeedKind kind) {
    return feeds_.Start(kind, [url, kind] {
        auto request = std::make_unique<FeedRequest>();
        request->url = url;
        request->kind = kind;
        FeedFetchThread(*request);
        return request;
    });
}

bool ServerDownloads::StartServerPoll(int32_t lastCounter) {
    return polls_.Start(POLL_SLOT, [lastCounter] {
        return std::make_unique<ServerPollDownload>(DownloadServerPoll(lastCounter));
    });
}

std::vector<std::unique_ptr<FeedRequest>> ServerDownloads::TakeFinishedFeeds() {
    return feeds_.TakeFinished();
}

std::vector<std::unique_ptr<ServerPollDownload>> ServerDownloads::TakeFinishedPolls() {
    return polls_.TakeFinished();
}

bool ServerDownloads::StartUpdateCheck(bool manual, std::function<bool()> isNewer) {
    const bool started =
        updateChecks_.Start(UPDATE_CHECK_SLOT, [manual, isNewer = std::move(isNewer)] {
            return std::make_unique<UpdateCheckAnswer>(UpdateCheckAnswer{isNewer(), manual});
        });
    if (!started && manual) manualWhilePending_ = true;
    return started;
}

std::vector<std::unique_ptr<UpdateCheckAnswer>> ServerDownloads::TakeFinishedUpdateChecks() {
    std::vector<std::unique_ptr<UpdateCheckAnswer>> answers = updateChecks_.TakeFinished();
    if (answers.empty()) return answers;
    // Checks never overlap, so the request that came while one was pending belongs to it.
    for (auto& answer : answers) answer->manual = answer->manual || manualWhilePending_;
    manualWhilePending_ = false;
    return answers;
}
