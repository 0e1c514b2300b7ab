#include "net/fetched_feed.h"

#include <gtest/gtest.h>

#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
std::string NewsItem(int id, const std::string& title, int64_t when) {
    return std::to_string(id) + "<<>>" + title + "<<>>body<<>>x<<>>" + std::to_string(when) + "<<>>\n";
}

FeedRequest Fetched(FeedKind kind, const std::string& text, bool succeeded = true) {
    FeedRequest request;
    request.kind = kind;
    request.result = text;
    request.succeeded = succeeded;
    return request;
}

class FetchedFeedTest : public ::testing::Test {
protected:
    FakeOs os;
    CAppCore core;
};

TEST_F(FetchedFeedTest, IndicatorFeedIsMergedTheListRefilledAndEverythingSaved) {
    core.m_autoNotifyRank = 3;
    FetchedFeedOutcome outcome = HandleFetchedFeed(
        core, Fetched(FEED_INDICATORS, "HTTP/1.0 200 OK\r\n\r\n2023/11/20##21:30##1##雇用統計##0##-##1##2##4\n"));
    EXPECT_TRUE(outcome.refillIndicatorList);
    ASSERT_EQ(core.m_indicatorStore.All().size(), 1u);
    const IndicatorRecord& record = core.m_indicatorStore.All()[0].second;
    EXPECT_EQ(record.name, "雇用統計");
    EXPECT_TRUE(record.notify);  // rank 4 reaches the threshold 3
    EXPECT_NE(ReadBytes(IndicatorFilePath()).find("雇用統計"), std::string::npos);
    // SaveAll ran: the settings file carries the advanced id counter.
    EXPECT_TRUE(os.PathExists(SettingsFilePath()));
    EXPECT_GT(core.m_nextIndicatorId, 0);
}

TEST_F(FetchedFeedTest, FailedFetchChangesNoStoreAndNoFile) {
    core.m_newsStore.UpdateFromFeed("header\n" + NewsItem(1, "kept", 100), false);
    const std::string newsFile = ReadBytes(NewsFilePath(true));
    core.m_newsCheckedAt = 50;
    for (FeedKind kind : {FEED_INDICATORS, FEED_NEWS, FEED_NOTICES}) {
        // A failed fetch may still carry text; none of it may be taken.
        FetchedFeedOutcome outcome = HandleFetchedFeed(
            core, Fetched(kind, "header\n" + NewsItem(2, "new", 200) + "2023/11/20##21:30##1##Name##0##-##1##2##4\n", false));
        EXPECT_FALSE(outcome.refillIndicatorList);
        EXPECT_FALSE(outcome.newItems);
    }
    EXPECT_EQ(ReadBytes(NewsFilePath(true)), newsFile);
    EXPECT_EQ(core.m_newsStore.Count(), 1);
    EXPECT_EQ(core.m_newsCheckedAt, 50);
    EXPECT_TRUE(core.m_indicatorStore.All().empty());
    EXPECT_FALSE(os.PathExists(IndicatorFilePath()));
    EXPECT_FALSE(os.PathExists(NewsFilePath(false)));
}

TEST_F(FetchedFeedTest, NewsAndNoticeFeedsReportNewItemsOnceAndMoveTheirCheckTimes) {
    os.now = 1700000500;
    const std::string feed = "HTTP/1.0 200 OK\r\n\r\nheader\n" + NewsItem(1, "a", 1700000100);

    EXPECT_TRUE(HandleFetchedFeed(core, Fetched(FEED_NEWS, feed)).newItems);
    EXPECT_EQ(core.m_newsCheckedAt, 1700000500);
    EXPECT_EQ(core.m_newsStore.Count(), 1);
    EXPECT_EQ(core.m_noticeStore.Count(), 0);
    // Not newer than the last check any more.
    EXPECT_FALSE(HandleFetchedFeed(core, Fetched(FEED_NEWS, feed)).newItems);

    EXPECT_TRUE(HandleFetchedFeed(core, Fetched(FEED_NOTICES, feed)).newItems);
    EXPECT_EQ(core.m_noticeCheckedAt, 1700000500);
    EXPECT_EQ(core.m_noticeStore.Count(), 1);
    // A notice missing from the next feed is gone.
    EXPECT_FALSE(HandleFetchedFeed(core, Fetched(FEED_NOTICES, "header\n")).newItems);
    EXPECT_EQ(core.m_noticeStore.Count(), 0);
    EXPECT_EQ(core.m_newsStore.Count(), 1);
}

TEST_F(FetchedFeedTest, AccessReportAnswerIsIgnored) {
    FetchedFeedOutcome outcome = HandleFetchedFeed(core, Fetched(FEED_ACCESS_REPORT, "header\n" + NewsItem(1, "a", 1)));
    EXPECT_FALSE(outcome.refillIndicatorList);
    EXPECT_FALSE(outcome.newItems);
    EXPECT_EQ(core.m_newsStore.Count() + core.m_noticeStore.Count(), 0);
    EXPECT_FALSE(os.PathExists(SettingsFilePath()));
}
}  // namespace
