#include "app/new_item_notices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/local_time.h"
#include "tests/support/test_os.h"

namespace {
int64_t At(int hour, int minute) { return FromLocalTime(2013, 9, 4, hour, minute, 0); }

std::string Item(int id, const std::string& body, int64_t when) {
    return std::to_string(id) + "<<>>Title" + std::to_string(id) + "<<>>" + body + "<<>>x<<>>" +
           std::to_string(when) + "<<>>\n";
}

std::string Feed(const std::string& items) { return "header\n" + items; }

const SoundCue NEWS_SOUND{"sound\\default\\anews.wav", 1000};
const SoundCue NOTICE_SOUND{"sound\\default\\ainfo.wav", 2000};

class NewItemNoticesTest : public ::testing::Test {
protected:
    NewItemNoticesTest() { os.now = At(12, 0); }

    static void ExpectNothing(const NewItemNotice& notice) {
        EXPECT_FALSE(notice.sound);
        EXPECT_FALSE(notice.balloon);
        EXPECT_FALSE(notice.showPageAgain);
    }

    FakeOs os;
    CAppCore core;
    NewItemNotices notices{core};
};
}  // namespace

TEST_F(NewItemNoticesTest, NewsArrivingTogetherAreAnnouncedOnceNamingTheNewest) {
    const std::string feed =
        Feed(Item(1, "b", At(10, 0)) + Item(3, "b", At(10, 10)) + Item(2, "b", At(10, 5)));
    NewItemNotice notice = notices.OnNewsFetched(feed);
    EXPECT_EQ(notice.sound, NEWS_SOUND);
    EXPECT_EQ(notice.balloon, (BalloonNotice{BALLOON_NEWS, "新着ニュースがあります",
                                             "2013/09/04 10:10:00\nTitle3", 30}));
    EXPECT_FALSE(notice.showPageAgain);
    ExpectNothing(notices.OnNewsFetched(feed));

    // Without balloons the sound still plays and the items still count as announced.
    core.m_newsBalloon = false;
    core.m_page = 2;
    notice = notices.OnNewsFetched(Feed(Item(4, "b", At(12, 0) + 1)));
    EXPECT_EQ(notice.sound, NEWS_SOUND);
    EXPECT_FALSE(notice.balloon);
    EXPECT_TRUE(notice.showPageAgain);
    EXPECT_TRUE(core.m_newsStore.ItemFromNewest(0)->announced);

    core.m_newsBalloon = true;
    core.SetEventEnabled(EVENT_NEW_NEWS, false);
    notice = notices.OnNewsFetched(Feed(Item(5, "b", At(12, 0) + 2)));
    EXPECT_FALSE(notice.sound);
    EXPECT_TRUE(notice.balloon);
}

TEST_F(NewItemNoticesTest, NewNoticeBalloonShowsItsTimeAndBodyWithLineBreaks) {
    core.m_page = 3;
    NewItemNotice notice = notices.OnNoticesFetched(
        Feed(Item(7, "old", At(9, 0)) + Item(8, "一行目<br>二行目", At(11, 30))));
    EXPECT_EQ(notice.sound, NOTICE_SOUND);
    EXPECT_EQ(notice.balloon, (BalloonNotice{BALLOON_NOTICES, "新着のお知らせがあります",
                                             "2013/09/04 11:30:00\n一行目\n二行目", 3600}));
    EXPECT_TRUE(notice.showPageAgain);
    EXPECT_TRUE(core.m_noticeStore.ItemFromNewest(1)->announced);

    core.m_noticeCheckedAt = -10;
    notice = notices.OnNoticesFetched(Feed(Item(9, "undated", 0)));
    EXPECT_EQ(notice.balloon.value().text, "-\nundated");
}

TEST_F(NewItemNoticesTest, NoticeBodyIsCutToEightyBytesWithoutSplittingACharacter) {
    const std::string nichi = "\x93\xFA";  // 日: its second byte has the value of a first byte
    const std::string a79(79, 'a');
    const std::vector<std::pair<std::string, std::string>> bodiesShown{
        {std::string(100, 'a'), std::string(81, 'a')},
        {a79 + "a" + nichi + "b", a79 + "a"},
        {a79 + nichi + "b", a79 + nichi},
        {"<br>" + std::string(100, 'a'), "\n" + std::string(80, 'a')},
        {"short", "short"},
    };
    int id = 0;
    for (const auto& [body, shown] : bodiesShown) {
        os.now += 60;
        const NewItemNotice notice = notices.OnNoticesFetched(Feed(Item(++id, body, os.now - 1)));
        ASSERT_TRUE(notice.balloon) << id;
        const std::string& text = notice.balloon->text;
        EXPECT_EQ(text.substr(text.find('\n') + 1), shown) << id;
    }
}

TEST_F(NewItemNoticesTest, FirstCheckWithoutNewNoticesRemindsOfUnreadOnesOnce) {
    core.m_noticeCheckedAt = At(11, 0);
    core.m_page = 3;
    const std::string feed = Feed(Item(1, "b", At(9, 0)) + Item(2, "b", At(9, 10)) +
                                  Item(3, "b", At(9, 20)) + Item(4, "b", At(9, 30)));
    NewItemNotice notice = notices.OnNoticesFetched(feed);
    EXPECT_EQ(notice.sound, NOTICE_SOUND);
    EXPECT_EQ(notice.balloon, (BalloonNotice{BALLOON_NOTICES, "未読のお知らせがあります",
                                             "未読のお知らせが4件あります。\n", 3600}));
    EXPECT_TRUE(notice.showPageAgain);
    ExpectNothing(notices.OnNoticesFetched(feed));
}

TEST_F(NewItemNoticesTest, ReminderWaitsForTheFirstCheckThatBringsNothingNew) {
    const std::string feed = Feed(Item(1, "new", At(11, 0)));
    EXPECT_EQ(notices.OnNoticesFetched(feed).balloon.value().title, "新着のお知らせがあります");
    EXPECT_EQ(notices.OnNoticesFetched(feed).balloon.value().text,
              "未読のお知らせが1件あります。\n");
    ExpectNothing(notices.OnNoticesFetched(feed));
}

TEST_F(NewItemNoticesTest, FirstCheckWithEverythingReadStaysQuietAndEndsTheCheck) {
    core.m_noticeCheckedAt = At(11, 0);
    const std::string feed = Feed(Item(1, "b", At(9, 0)));
    core.m_noticeStore.UpdateFromFeed(feed, true);
    core.m_noticeStore.MarkAllRead();
    ExpectNothing(notices.OnNoticesFetched(feed));
    core.m_noticeStore.Clear();  // unread again
    ExpectNothing(notices.OnNoticesFetched(feed));
}
