#include "net/server_downloads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "app/fetched_data.h"
#include "app/update_check.h"
#include "store/local_files.h"
#include "tests/net/download_test_support.h"
#include "tests/support/loopback_server.h"

namespace {
using Ending = ScriptedReply::Ending;

const std::string EUC_A = "\xA4\xA2";    // あ in EUC-JP
const std::string CP932_A = "\x82\xA0";  // あ in CP932
const std::string SOCKET_HEADER = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";

std::string NowhereUrl() {
    return "http://127.0.0.1:" + std::to_string(UnusedLoopbackPort()) + "/sv_pelimor/websys/f.dat";
}

class ServerDownloadsTest : public ::testing::Test {
protected:
    // One fetch from start to hand-over.
    std::unique_ptr<FeedRequest> FetchOne(FeedKind kind, const std::string& url) {
        ServerDownloads downloads(wakeUps.Callback());
        EXPECT_TRUE(downloads.StartFeedFetch(url, kind));
        wakeUps.WaitFor(++expectedWakeUps);
        auto finished = downloads.TakeFinishedFeeds();
        EXPECT_EQ(finished.size(), 1u);
        return finished.empty() ? nullptr : std::move(finished[0]);
    }

    WorkerOs os;
    WakeUps wakeUps;
    int expectedWakeUps = 0;
};

TEST_F(ServerDownloadsTest, EachKindWaitsItsTurnAndHandsOverItsText) {
    struct Case {
        FeedKind kind;
        std::string path;
        std::string reply;
        std::vector<int> sleeps;
        std::string result;
    };
    // The indicator feed comes through the system download alone and its CP932 text is passed
    // on untouched. The other kinds come over a socket, their body converted from EUC-JP; each
    // socket attempt pauses 100 ms first. Only the body is handed over.
    const Case cases[] = {
        {FEED_INDICATORS,
         "iadat2.dat",
         "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n" + EUC_A,
         {},
         EUC_A},
        {FEED_NEWS, "qznnews.dat", SOCKET_HEADER + EUC_A, {1000, 100}, CP932_A},
        {FEED_NOTICES, "qzninfo.dat", SOCKET_HEADER + EUC_A, {2000, 100}, CP932_A},
        {FEED_ACCESS_REPORT, "acs/aa.php", SOCKET_HEADER + EUC_A, {5000, 100}, CP932_A},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        LoopbackServer server({{c.reply}});
        ScopedBaseUrl base(server.HostAndPort());
        const std::string url = "http://" + server.HostAndPort() + "/sv_pelimor/websys/" + c.path;
        ASSERT_EQ(FeedUrl(c.kind), url);

        std::unique_ptr<FeedRequest> request = FetchOne(c.kind, url);
        ASSERT_NE(request, nullptr);
        EXPECT_EQ(request->kind, c.kind);
        EXPECT_EQ(request->url, url);
        EXPECT_TRUE(request->succeeded);
        EXPECT_EQ(request->result, c.result);
        EXPECT_EQ(os.TakeSleeps(), c.sleeps);

        const std::string requestLine = c.kind == FEED_INDICATORS
                                            ? "GET /sv_pelimor/websys/iadat2.dat HTTP/1.1\r\n"
                                            : "GET " + url + " HTTP/1.0\r\n";
        ASSERT_EQ(server.Requests().size(), 1u);
        EXPECT_EQ(server.Requests()[0].substr(0, requestLine.size()), requestLine);
        // Each kind keeps its own scratch copy, as it came from the server.
        EXPECT_NE(ReadBytes(ScratchFilePath(c.kind)).find(EUC_A), std::string::npos);
    }
}

TEST_F(ServerDownloadsTest, AnIndicatorFeedWrittenWithCrLfAndEmptyLinesIsMergedWhole) {
    // An empty line inside the feed, and one at its end: neither is the end of an HTTP head.
    const std::string body =
        "2023/11/20##21:30##1##Alpha##0##-##1##2##4\r\n\r\n"
        "2023/11/21##21:30##1##Bravo##0##-##1##2##4\r\n"
        "2023/11/22##21:30##1##Charlie##0##-##1##2##4\r\n\r\n";
    LoopbackServer server({{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                            "\r\n\r\n" + body}});
    std::unique_ptr<FeedRequest> request = FetchOne(
        FEED_INDICATORS, "http://" + server.HostAndPort() + "/sv_pelimor/websys/iadat2.dat");
    ASSERT_NE(request, nullptr);
    ASSERT_TRUE(request->succeeded);
    CAppCore core;
    FetchedData(core).TakeFeed(*request);
    std::vector<std::string> names;
    for (const auto& [id, record] : core.m_indicatorStore.All()) names.push_back(record.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Bravo", "Charlie"}));
}

TEST_F(ServerDownloadsTest, AnAnswerOtherThan200IsAFailedFetchOnEveryPath) {
    // Both socket attempts and the system download get the same error page.
    for (const std::string status : {"404 Not Found", "503 Service Unavailable"}) {
        SCOPED_TRACE(status);
        const std::string page = "<html>error</html>";
        const ScriptedReply reply{"HTTP/1.1 " + status + "\r\nContent-Length: " +
                                  std::to_string(page.size()) + "\r\n\r\n" + page};
        for (FeedKind kind : {FEED_INDICATORS, FEED_NOTICES}) {
            LoopbackServer server({reply, reply, reply});
            std::unique_ptr<FeedRequest> request =
                FetchOne(kind, "http://" + server.HostAndPort() + "/sv_pelimor/websys/qzninfo.dat");
            ASSERT_NE(request, nullptr);
            EXPECT_FALSE(request->succeeded) << kind;
            EXPECT_EQ(request->result, "") << kind;
            EXPECT_EQ(server.Requests().size(), kind == FEED_INDICATORS ? 1u : 3u);
        }
    }
}

TEST_F(ServerDownloadsTest, FailedFetchIsHandedOverAsAFailure) {
    for (FeedKind kind : {FEED_INDICATORS, FEED_NOTICES}) {
        std::unique_ptr<FeedRequest> request = FetchOne(kind, NowhereUrl());
        ASSERT_NE(request, nullptr);
        EXPECT_FALSE(request->succeeded);
        EXPECT_EQ(request->result, "");
        EXPECT_EQ(request->kind, kind);
    }
}

TEST_F(ServerDownloadsTest, KindStaysBusyUntilItsFetchIsTakenWhileOtherKindsRun) {
    ServerDownloads downloads(wakeUps.Callback());
    os.HoldSleepers();
    ASSERT_TRUE(downloads.StartFeedFetch(NowhereUrl(), FEED_NEWS));
    ASSERT_TRUE(downloads.StartFeedFetch(NowhereUrl(), FEED_NOTICES));
    os.WaitForSleepers(2);
    EXPECT_FALSE(downloads.StartFeedFetch(NowhereUrl(), FEED_NEWS));
    ASSERT_TRUE(downloads.StartServerPoll(0));
    EXPECT_FALSE(downloads.StartServerPoll(0));

    os.ReleaseSleepers();
    wakeUps.WaitFor(3);
    // Finished but not yet taken: the scratch files may still be in use by the hand-over.
    EXPECT_FALSE(downloads.StartFeedFetch(NowhereUrl(), FEED_NOTICES));
    EXPECT_FALSE(downloads.StartServerPoll(0));

    auto feeds = downloads.TakeFinishedFeeds();
    ASSERT_EQ(feeds.size(), 2u);
    EXPECT_NE(feeds[0]->kind, feeds[1]->kind);
    auto polls = downloads.TakeFinishedPolls();
    ASSERT_EQ(polls.size(), 1u);
    EXPECT_FALSE(polls[0]->counterChanged);
    EXPECT_TRUE(downloads.TakeFinishedFeeds().empty());

    EXPECT_TRUE(downloads.StartFeedFetch(NowhereUrl(), FEED_NEWS));
    EXPECT_TRUE(downloads.StartServerPoll(0));
}

TEST_F(ServerDownloadsTest, ClosingCancelsAStalledFetchAndReleasesWhatWasNotTaken) {
    LoopbackServer server({{"", Ending::Stall}});
    {
        ServerDownloads downloads(wakeUps.Callback());
        ASSERT_TRUE(downloads.StartFeedFetch(NowhereUrl(), FEED_NOTICES));
        wakeUps.WaitFor(1);  // finished, never taken
        ASSERT_TRUE(
            downloads.StartFeedFetch("http://" + server.HostAndPort() + "/f.dat", FEED_NEWS));
        while (server.Requests().empty()) std::this_thread::yield();
    }
    // The stalled fetch was cancelled: it did not wake the panel that is gone and made no
    // further attempt.
    EXPECT_EQ(wakeUps.Count(), 1);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(ServerDownloadsTest, UpdateCheckAnswersWithItsRequestAndASecondRequestWaits) {
    LoopbackServer server({{"HTTP/1.0 200 OK\r\n\r\n3101"}});
    ScopedBaseUrl base(server.HostAndPort());
    ServerDownloads downloads(wakeUps.Callback());
    os.HoldSleepers();
    ASSERT_TRUE(downloads.StartUpdateCheck(true, CheckVersion));
    os.WaitForSleepers(1);
    EXPECT_FALSE(downloads.StartUpdateCheck(true, CheckVersion));
    os.ReleaseSleepers();
    wakeUps.WaitFor(1);
    auto answers = downloads.TakeFinishedUpdateChecks();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_TRUE(answers[0]->newer);
    EXPECT_TRUE(answers[0]->manual);
    EXPECT_TRUE(downloads.StartUpdateCheck(false, CheckVersion));
}
TEST_F(ServerDownloadsTest, AManualRequestWhileTheSilentCheckRunsMakesItsAnswerManual) {
    LoopbackServer server({{"HTTP/1.0 200 OK\r\n\r\n3100"}, {"HTTP/1.0 200 OK\r\n\r\n3100"}});
    ScopedBaseUrl base(server.HostAndPort());
    ServerDownloads downloads(wakeUps.Callback());
    os.HoldSleepers();
    ASSERT_TRUE(downloads.StartUpdateCheck(false, CheckVersion));
    os.WaitForSleepers(1);
    EXPECT_FALSE(downloads.StartUpdateCheck(true, CheckVersion));
    os.ReleaseSleepers();
    wakeUps.WaitFor(1);
    auto answers = downloads.TakeFinishedUpdateChecks();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0]->newer);
    EXPECT_TRUE(answers[0]->manual);

    // The request was answered: the next silent check is silent again.
    ASSERT_TRUE(downloads.StartUpdateCheck(false, CheckVersion));
    wakeUps.WaitFor(2);
    answers = downloads.TakeFinishedUpdateChecks();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0]->manual);
}
}  // namespace
