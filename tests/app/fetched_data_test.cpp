#include "app/fetched_feed.h"

#include <gtest/gtest.h>

#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
const std::string kIndicatorFeed = "HTTP/1.0 200 OK\r\n\r\n2023/11/20##21:30##1##雇用統計##0##-##1##2##4\n";

FeedRequest Fetched(FeedKind kind, const std::string& text, bool succeeded) {
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
    EXPECT_TRUE(HandleFetchedFeed(core, Fetched(FEED_INDICATORS, kIndicatorFeed, true)).refillIndicatorList);
    ASSERT_EQ(core.m_indicatorStore.All().size(), 1u);
    const IndicatorRecord& record = core.m_indicatorStore.All()[0].second;
    EXPECT_EQ(record.name, "雇用統計");
    EXPECT_TRUE(record.notify);  // rank 4 reaches the threshold 3
    EXPECT_NE(ReadBytes(IndicatorFilePath()).find("雇用統計"), std::string::npos);
    EXPECT_TRUE(os.PathExists(SettingsFilePath()));  // the whole core was saved
}

TEST_F(FetchedFeedTest, FailedFetchAndTheAccessReportChangeNothing) {
    // A failed fetch may still carry text; none of it may be taken.
    EXPECT_FALSE(HandleFetchedFeed(core, Fetched(FEED_INDICATORS, kIndicatorFeed, false)).refillIndicatorList);
    EXPECT_FALSE(HandleFetchedFeed(core, Fetched(FEED_ACCESS_REPORT, kIndicatorFeed, true)).refillIndicatorList);
    EXPECT_TRUE(core.m_indicatorStore.All().empty());
    EXPECT_FALSE(os.PathExists(IndicatorFilePath()));
    EXPECT_FALSE(os.PathExists(SettingsFilePath()));
}
}  // namespace
