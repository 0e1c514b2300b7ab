#include "app/fetched_data.h"

#include <gtest/gtest.h>

#include "base/local_time.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
const std::string INDICATOR_FEED = "HTTP/1.0 200 OK\r\n\r\n2023/11/20##21:30##1##雇用統計##0##-##1##2##4\n";
const std::string NEWS_FEED = "header\n1<<>>Title1<<>>body<<>>x<<>>" +
                              std::to_string(FromLocalTime(2013, 9, 4, 10, 0, 0)) + "<<>>\n";

FeedRequest Fetched(FeedKind kind, const std::string& text, bool succeeded) {
    FeedRequest request;
    request.kind = kind;
    request.result = text;
    request.succeeded = succeeded;
    return request;
}

class FetchedDataTest : public ::testing::Test {
protected:
    FakeOs os;
    CAppCore core;
    FetchedData fetched{core};
};

TEST_F(FetchedDataTest, IndicatorFeedIsMergedThePageRefreshedAndEverythingSaved) {
    core.m_autoNotifyRank = 3;
    FetchEffects effects = fetched.TakeFeed(Fetched(FEED_INDICATORS, INDICATOR_FEED, true));
    EXPECT_TRUE(effects.refreshIndicatorPage);
    EXPECT_FALSE(effects.sound || effects.balloon || effects.showPageAgain || effects.serverPolled);
    ASSERT_EQ(core.m_indicatorStore.All().size(), 1u);
    const IndicatorRecord& record = core.m_indicatorStore.All()[0].second;
    EXPECT_EQ(record.name, "雇用統計");
    EXPECT_TRUE(record.notify);  // rank 4 reaches the threshold 3
    EXPECT_NE(ReadBytes(IndicatorFilePath()).find("雇用統計"), std::string::npos);
    EXPECT_TRUE(os.PathExists(SettingsFilePath()));  // the whole core was saved
}

TEST_F(FetchedDataTest, FailedFetchAndTheAccessReportChangeNothing) {
    // A failed fetch may still carry text; none of it may be taken.
    for (FeedKind kind : {FEED_INDICATORS, FEED_NEWS, FEED_NOTICES}) {
        FetchEffects effects = fetched.TakeFeed(Fetched(kind, kind == FEED_INDICATORS ? INDICATOR_FEED : NEWS_FEED, false));
        EXPECT_FALSE(effects.refreshIndicatorPage || effects.sound || effects.balloon || effects.showPageAgain);
    }
    EXPECT_FALSE(fetched.TakeFeed(Fetched(FEED_ACCESS_REPORT, INDICATOR_FEED, true)).refreshIndicatorPage);
    EXPECT_TRUE(core.m_indicatorStore.All().empty());
    EXPECT_EQ(core.m_newsStore.ItemFromNewest(0), nullptr);
    EXPECT_FALSE(os.PathExists(IndicatorFilePath()));
    EXPECT_FALSE(os.PathExists(SettingsFilePath()));
}

TEST_F(FetchedDataTest, NewsAreStoredAndAnnouncedOnTheNewsPage) {
    core.m_page = 2;  // the news page
    FetchEffects effects = fetched.TakeFeed(Fetched(FEED_NEWS, NEWS_FEED, true));
    ASSERT_NE(core.m_newsStore.ItemFromNewest(0), nullptr);
    EXPECT_EQ(effects.sound, (SoundCue{"sound\\default\\anews.wav", 1000}));
    ASSERT_TRUE(effects.balloon);
    EXPECT_EQ(effects.balloon->kind, BALLOON_NEWS);
    EXPECT_TRUE(effects.showPageAgain);
    EXPECT_FALSE(effects.refreshIndicatorPage || effects.serverPolled);
}

TEST_F(FetchedDataTest, EveryServerPollReachesTheScheduleWithWhetherTheCounterMoved) {
    ServerPollDownload unchanged;
    unchanged.counter = 0;
    FetchEffects effects = fetched.TakeServerPoll(unchanged);
    EXPECT_TRUE(effects.serverPolled);
    EXPECT_FALSE(effects.signalsChanged);

    ServerPollDownload moved;
    moved.counterChanged = true;
    moved.counter = 4;
    moved.traders = "5,Alice\n";
    effects = fetched.TakeServerPoll(moved);
    EXPECT_TRUE(effects.serverPolled);
    EXPECT_TRUE(effects.signalsChanged);
    EXPECT_EQ(core.m_serverPoll.lastCounter, 4);
    EXPECT_EQ(core.m_pairFirst[0], 5);
}
}  // namespace
