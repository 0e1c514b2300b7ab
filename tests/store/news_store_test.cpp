#include "store/news_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
constexpr bool NOTICE = false;
constexpr bool NEWS = true;

std::string Item(int id, const std::string& title, const std::string& body, long when) {
    return std::to_string(id) + "<<>>" + title + "<<>>" + body + "<<>>x<<>>" +
           std::to_string(when) + "<<>>\n";
}

std::string Feed(const std::string& items) { return "header\n" + items; }

std::vector<int> IdsFromNewest(const NewsStore& store) {
    std::vector<int> ids;
    for (int position = 0; const iaNews* item = store.ItemFromNewest(position); ++position)
        ids.push_back(item->id);
    return ids;
}

class NewsStoreTest : public ::testing::Test {
protected:
    FakeOs os;
};
}  // namespace

TEST_F(NewsStoreTest, WritesTheFileByteExactInTimeOrder) {
    NewsStore notices(NOTICE);
    notices.UpdateFromFeed(
        Feed(Item(2, "Later", "B2", 0x20) + Item(1, "お知らせ", "本文<br>", 0x10) +
             Item(12, "Ad", "clipXCF", 0x30)),
        true);
    EXPECT_EQ(ReadBytes(NewsFilePath(false)),
              "00000001\x07"
              "00000010\x07"
              "お知らせ\x07"
              "本文<br>\x07"
              "00000001\x07\r\n"
              "00000002\x07"
              "00000020\x07"
              "Later\x07"
              "B2\x07"
              "00000001\x07\r\n"
              "0000000C\x07"
              "00000030\x07"
              "Ad\x07"
              "clip\x07"
              "00000006\x07\r\n");
    EXPECT_FALSE(Os().PathExists(NewsFilePath(true)));
}

TEST_F(NewsStoreTest, WritesNegativeNumbersAsTwosComplementAndTimesAsTheirLowWord) {
    NewsStore news(NEWS);
    news.UpdateFromFeed(Feed(Item(-2, "T", "B", -1)), false);
    EXPECT_EQ(ReadBytes(NewsFilePath(true)),
              "FFFFFFFE\x07"
              "FFFFFFFF\x07"
              "T\x07"
              "B\x07"
              "00000001\x07\r\n");
    NewsStore reloaded(NEWS);
    reloaded.Load();
    ASSERT_NE(reloaded.ItemFromNewest(0), nullptr);
    EXPECT_EQ(reloaded.ItemFromNewest(0)->id, -2);
    EXPECT_EQ(reloaded.ItemFromNewest(0)->when, 0xFFFFFFFFLL);  // the high part comes back 0
}

TEST_F(NewsStoreTest, RoundTripsItemsAndMarksThroughTheFile) {
    NewsStore news(NEWS);
    news.UpdateFromFeed(Feed(Item(1, "a", "x", 100) + Item(2, "b", "y", 200) +
                             Item(3, "c", "zXCF", 300) + Item(4, "d", "w", 200)),
                        false);
    news.MarkRead(1);  // item 4
    NewsStore reloaded(NEWS);
    reloaded.Load();
    ASSERT_EQ(IdsFromNewest(reloaded), (std::vector<int>{3, 4, 2, 1}));  // equal times: feed order
    const iaNews* advert = reloaded.ItemFromNewest(0);
    EXPECT_EQ(advert->title, "c");
    EXPECT_EQ(advert->body, "z");
    EXPECT_TRUE(advert->advert);
    EXPECT_TRUE(advert->announced);
    EXPECT_FALSE(advert->unread);
    EXPECT_FALSE(advert->present);
    EXPECT_FALSE(reloaded.ItemFromNewest(1)->unread);
    EXPECT_TRUE(reloaded.ItemFromNewest(2)->unread);
    const std::string saved = ReadBytes(NewsFilePath(true));
    ASSERT_TRUE(reloaded.Save());
    EXPECT_EQ(ReadBytes(NewsFilePath(true)), saved);
}

TEST_F(NewsStoreTest, KeepsTheMarksOfAnItemDeliveredAgainAndTakesItsNewTexts) {
    NewsStore notices(NOTICE);
    notices.UpdateFromFeed(Feed(Item(1, "old", "old body", 100) + Item(2, "two", "b", 150)), true);
    notices.MarkRead(1);  // item 1
    notices.MarkAllAnnounced();
    notices.UpdateFromFeed(Feed(Item(1, "new", "new body", 500) + Item(2, "two", "b", 150)), true);
    const iaNews* item = notices.ItemFromNewest(1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->id, 1);  // keeps its place until the next load although its time moved on
    EXPECT_EQ(item->when, 500);
    EXPECT_EQ(item->title, "new");
    EXPECT_EQ(item->body, "new body");
    EXPECT_FALSE(item->unread);
    EXPECT_TRUE(item->announced);
    NewsStore reloaded(NOTICE);
    reloaded.Load();
    EXPECT_EQ(IdsFromNewest(reloaded), (std::vector<int>{1, 2}));
}

TEST_F(NewsStoreTest, DropsANoticeMissingFromTheNextFeed) {
    NewsStore notices(NOTICE);
    notices.UpdateFromFeed(Feed(Item(1, "a", "x", 100) + Item(2, "b", "y", 200)), true);
    notices.UpdateFromFeed(Feed(Item(2, "b", "y", 200)), true);
    EXPECT_EQ(IdsFromNewest(notices), (std::vector<int>{2}));
    NewsStore reloaded(NOTICE);
    reloaded.Load();
    EXPECT_EQ(IdsFromNewest(reloaded), (std::vector<int>{2}));

    notices.UpdateFromFeed(Feed(""), true);  // header only
    EXPECT_EQ(notices.Count(), 0);
    EXPECT_EQ(ReadBytes(NewsFilePath(false)), "");
}

TEST_F(NewsStoreTest, KeepsNewsSeenDuringThisRunButDropsStaleItemsFromTheFile) {
    NewsStore earlier(NEWS);
    earlier.UpdateFromFeed(Feed(Item(1, "saved", "x", 100) + Item(2, "saved too", "x", 150)),
                           false);

    NewsStore news(NEWS);
    news.Load();
    news.UpdateFromFeed(Feed(Item(2, "still here", "x", 150) + Item(3, "fresh", "y", 200)), false);
    EXPECT_EQ(IdsFromNewest(news), (std::vector<int>{3, 2}));  // item 1 came only from the file
    news.UpdateFromFeed(Feed(""), false);
    EXPECT_EQ(IdsFromNewest(news), (std::vector<int>{3, 2}));
}

TEST_F(NewsStoreTest, CountsNewItemsOnlyWhenUnreadUnannouncedAndLaterThanTheLastCheck) {
    NewsStore news(NEWS);
    news.UpdateFromFeed(Feed(Item(1, "a", "x", 100) + Item(2, "ad", "yXCF", 300)), false);
    EXPECT_TRUE(news.HasNewItemsSince(99));
    EXPECT_FALSE(news.HasNewItemsSince(100));  // not later
    news.MarkAllRead();
    EXPECT_FALSE(news.HasNewItemsSince(0));
    EXPECT_EQ(news.UnreadCount(), 0);

    NewsStore notices(NOTICE);
    notices.UpdateFromFeed(Feed(Item(1, "a", "x", 100)), true);
    notices.MarkAllAnnounced();
    EXPECT_FALSE(notices.HasNewItemsSince(0));
    EXPECT_EQ(notices.UnreadCount(), 1);
}

TEST_F(NewsStoreTest, TakesAFetchedFeedAgainstTheLastCheckAndMovesItToNow) {
    os.now = 1700000500;
    int64_t checkedAt = 1700000000;
    NewsStore notices(NOTICE);
    EXPECT_TRUE(notices.TakeFetchedFeed(Feed(Item(1, "a", "x", 1700000100)), checkedAt));
    EXPECT_EQ(checkedAt, 1700000500);
    notices.MarkAllAnnounced();
    notices.Save();

    // After a restart the announced notice is not announced again; the notice store drops
    // what left the feed, the news store would not.
    NewsStore restarted(NOTICE);
    restarted.Load();
    os.now = 1700001100;
    EXPECT_FALSE(restarted.TakeFetchedFeed(Feed(Item(1, "a", "x", 1700000100)), checkedAt));
    EXPECT_EQ(checkedAt, 1700001100);
    EXPECT_FALSE(restarted.TakeFetchedFeed(Feed(""), checkedAt));
    EXPECT_EQ(restarted.Count(), 0);

    NewsStore news(NEWS);
    EXPECT_FALSE(news.TakeFetchedFeed(Feed(Item(5, "old", "x", 1700000000)), checkedAt));
    EXPECT_FALSE(news.TakeFetchedFeed(Feed(""), checkedAt));
    EXPECT_EQ(news.Count(), 1);
}

TEST_F(NewsStoreTest, FindsItemsAndUnreadItemsByPositionFromTheNewest) {
    NewsStore notices(NOTICE);
    notices.UpdateFromFeed(Feed(Item(1, "a", "x", 100) + Item(2, "b", "x", 200) +
                                Item(3, "c", "x", 300) + Item(4, "d", "x", 400)),
                           true);
    notices.MarkRead(0);  // 4
    notices.MarkRead(2);  // 2
    EXPECT_EQ(notices.ItemFromNewest(3)->id, 1);
    EXPECT_EQ(notices.ItemFromNewest(4), nullptr);
    EXPECT_EQ(notices.ItemFromNewest(-1), nullptr);
    const std::vector<const iaNews*> all = notices.ItemsFromNewest();
    ASSERT_EQ(all.size(), 4u);
    for (int position = 0; position < 4; ++position)
        EXPECT_EQ(all[static_cast<size_t>(position)], notices.ItemFromNewest(position));
    EXPECT_EQ(notices.UnreadCount(), 2);
    EXPECT_EQ(notices.UnreadPositionFromNewest(0), 1);
    EXPECT_EQ(notices.UnreadPositionFromNewest(1), 3);
    EXPECT_EQ(notices.UnreadPositionFromNewest(2), -1);
    EXPECT_EQ(notices.UnreadPositionFromNewest(-1), -1);
    notices.MarkRead(7);  // out of range: nothing happens
    EXPECT_EQ(notices.UnreadCount(), 2);
}

TEST_F(NewsStoreTest, LoadsDamagedFilesWithoutLosingTheLinesAround) {
    WriteBytes(NewsFilePath(true),
               "00000001\x07"
               "00000064\x07"
               "good\x07"
               "body\x07"
               "00000003\x07\r\n"
               "\r\n"
               "\r\r\n"
               "zz\x07"
               "--\x07"
               "title only\r\n"
               "00000003\x07"
               "000000C8\x07"
               "a\rb\x07"
               "c\x07"
               "FFFFFFFF\x07\r\n"
               "00000004\x07"
               "0000012C\x07"
               "unterminated\x07"
               "x\x07"
               "00000001\x07");
    NewsStore news(NEWS);
    news.Load();
    ASSERT_EQ(IdsFromNewest(news), (std::vector<int>{3, 1, 0}));
    const iaNews* allFlags = news.ItemFromNewest(0);
    EXPECT_EQ(allFlags->title, "a\rb");  // a lone CR stays inside the text
    EXPECT_TRUE(allFlags->unread && allFlags->announced && allFlags->advert);
    const iaNews* damaged = news.ItemFromNewest(2);
    EXPECT_EQ(damaged->when, 0);
    EXPECT_EQ(damaged->title, "");
    EXPECT_FALSE(damaged->unread);
    EXPECT_TRUE(news.ItemFromNewest(1)->unread && news.ItemFromNewest(1)->announced);
}

TEST_F(NewsStoreTest, LoadsAMissingFileAsAnEmptyStoreAndReplacesWhatItHeld) {
    NewsStore news(NEWS);
    news.UpdateFromFeed(Feed(Item(1, "a", "x", 1)), false);
    NewsStore notices(NOTICE);
    notices.UpdateFromFeed(Feed(Item(2, "b", "y", 2)), true);
    ASSERT_TRUE(Os().RemoveFile(NewsFilePath(true)));
    news.Load();
    EXPECT_EQ(news.Count(), 0);
    notices.Clear();
    notices.Load();
    EXPECT_EQ(IdsFromNewest(notices), (std::vector<int>{2}));
}

// The fuzz targets merge and load in memory; the memory forms must do what the file does.
TEST_F(NewsStoreTest, MemoryFormsAgreeWithTheFile) {
    const std::string feed = Feed(Item(7, "a", "b", 1700000000) + Item(8, "c", "d", 1700000100));
    NewsStore saved(true);
    saved.UpdateFromFeed(feed, true);

    NewsStore inMemory(true);
    inMemory.MergeFeed(feed, true);
    EXPECT_EQ(inMemory.FileText(), ReadBytes(NewsFilePath(true)));

    NewsStore loaded(true);
    loaded.LoadText(inMemory.FileText());
    EXPECT_EQ(loaded.FileText(), inMemory.FileText());
    EXPECT_EQ(IdsFromNewest(loaded), (std::vector<int>{8, 7}));
}

TEST_F(NewsStoreTest, KeepsTheNewestItemsUpToItsBoundFromAFeedAndFromItsFile) {
    constexpr int BOUND = static_cast<int>(NewsStore::MAX_ITEMS);
    std::string items;
    for (int id = 1; id <= BOUND + 2; ++id) items += Item(id, "T", "B", 100 + id);
    NewsStore news(NEWS);
    news.UpdateFromFeed(Feed(items), false);
    ASSERT_EQ(news.Count(), BOUND);
    EXPECT_EQ(news.ItemFromNewest(0)->id, BOUND + 2);
    EXPECT_EQ(news.ItemFromNewest(BOUND - 1)->id, 3);  // items 1 and 2, the oldest, went

    std::string file;
    for (int id = 1; id <= BOUND + 1; ++id)
        file += std::to_string(id) + "\x07" + "00000100\x07T\x07" + "B\x07" + "00000001\x07\r\n";
    NewsStore loaded(NOTICE);
    loaded.LoadText(file);
    EXPECT_EQ(loaded.Count(), BOUND);
}

TEST_F(NewsStoreTest, AFeedOfItemsDatedFarAheadCannotPushTheRealItemsOut) {
    constexpr int BOUND = static_cast<int>(NewsStore::MAX_ITEMS);
    NewsStore news(NEWS);
    news.UpdateFromFeed(Feed(Item(1, "real", "x", os.now - 60)), false);
    std::string forged;
    for (int id = 100; id < 100 + BOUND; ++id)
        forged += Item(id, "ahead", "x", os.now + 30 * 86400);
    // A clock a few hours behind the server's still takes the server's newest item.
    news.UpdateFromFeed(Feed(forged + Item(2, "soon", "x", os.now + 3600)), false);
    EXPECT_EQ(IdsFromNewest(news), (std::vector<int>{2, 1}));
}
