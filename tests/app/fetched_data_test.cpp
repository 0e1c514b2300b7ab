#include "app/fetched_data.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/local_time.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
const std::string INDICATOR_FEED = "2023/11/20##21:30##1##雇用統計##0##-##1##2##4\n";
const std::string NEWS_FEED = "header\n1<<>>Title1<<>>body<<>>x<<>>" +
                              std::to_string(FromLocalTime(2013, 9, 4, 10, 0, 0)) + "<<>>\n";

std::vector<PanelEffectKind> KindsOf(const PanelEffects& effects) {
    std::vector<PanelEffectKind> kinds;
    for (const PanelEffect& effect : effects) kinds.push_back(effect.kind);
    return kinds;
}

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
    EXPECT_EQ(fetched.TakeFeed(Fetched(FEED_INDICATORS, INDICATOR_FEED, true)),
              PanelEffects{{PanelEffectKind::RefreshIndicatorPage}});
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
        const std::string& text = kind == FEED_INDICATORS ? INDICATOR_FEED : NEWS_FEED;
        EXPECT_TRUE(fetched.TakeFeed(Fetched(kind, text, false)).empty()) << kind;
    }
    EXPECT_TRUE(fetched.TakeFeed(Fetched(FEED_ACCESS_REPORT, INDICATOR_FEED, true)).empty());
    EXPECT_TRUE(core.m_indicatorStore.All().empty());
    EXPECT_EQ(core.m_newsStore.ItemFromNewest(0), nullptr);
    EXPECT_FALSE(os.PathExists(IndicatorFilePath()));
    EXPECT_FALSE(os.PathExists(SettingsFilePath()));
}

TEST_F(FetchedDataTest, NewsAreStoredAndAnnouncedOnTheNewsPage) {
    core.m_page = 2;  // the news page
    PanelEffects effects = fetched.TakeFeed(Fetched(FEED_NEWS, NEWS_FEED, true));
    ASSERT_NE(core.m_newsStore.ItemFromNewest(0), nullptr);
    ASSERT_EQ(KindsOf(effects),
              (std::vector{PanelEffectKind::PlaySoundCue, PanelEffectKind::ShowBalloon,
                           PanelEffectKind::ShowPage}));
    EXPECT_EQ(effects[0].sound, (SoundCue{"sound\\default\\anews.wav", 1000}));
    EXPECT_EQ(effects[1].balloon.kind, BALLOON_NEWS);
    EXPECT_EQ(effects[2].value, 2);  // the news page again
}

TEST_F(FetchedDataTest, EveryServerPollReachesTheScheduleWithWhetherTheCounterMoved) {
    ServerPollDownload unchanged;
    unchanged.counter = 0;
    EXPECT_EQ(fetched.TakeServerPoll(unchanged),
              (PanelEffects{{PanelEffectKind::AfterServerPoll, 0}}));

    ServerPollDownload moved;
    moved.counterChanged = true;
    moved.counter = 4;
    moved.traders = "5,Alice\n";
    const PanelEffects effects = fetched.TakeServerPoll(moved);
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects.back(), (PanelEffect{PanelEffectKind::AfterServerPoll, 1}));
    EXPECT_EQ(core.m_serverPoll.lastCounter, 4);
    EXPECT_EQ(core.m_pairFirst[0], 5);
}
}  // namespace
