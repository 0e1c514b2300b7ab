#include "app/new_item_notices.h"

#include "app/alert_events.h"
#include "app/panel_page.h"
#include "base/local_time.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"

namespace {

// The notice sound waits a little longer, so that news and notices fetched in the same minute
// do not sound on top of each other.
constexpr int NEWS_SOUND_DELAY_MILLISECONDS = 1'000;
constexpr int NOTICE_SOUND_DELAY_MILLISECONDS = 2'000;
constexpr unsigned NEWS_BALLOON_TIMEOUT = 30;
constexpr unsigned NOTICE_BALLOON_TIMEOUT = 3600;

// A balloon has room for the beginning of a notice only.
constexpr size_t NOTICE_EXCERPT_BYTES = 80;

// "-" for an item without a time.
std::string ItemTime(int64_t when) {
    if (when == 0) return "-";
    LocalTime local = ToLocalTime(when);
    return FormatText("%04d/%02d/%02d %02d:%02d:%02d", local.year, local.month, local.day,
                      local.hour, local.minute, local.second);
}

// The first 80 bytes of the text, or 81 when that keeps a double-byte character whole or ends
// on a single-byte one; a character is never cut in two. The characters are walked from the
// start, because a second byte can have the value of a first byte.
std::string Excerpt(std::string_view text) {
    size_t at = 0;
    while (at < NOTICE_EXCERPT_BYTES && at < text.size())
        at += IsCp932LeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    const bool nextStartsDoubleByte = at == NOTICE_EXCERPT_BYTES && at < text.size() &&
                                      IsCp932LeadByte(static_cast<unsigned char>(text[at]));
    return LeftBytes(text, nextStartsDoubleByte ? NOTICE_EXCERPT_BYTES : NOTICE_EXCERPT_BYTES + 1);
}

std::string BalloonText(int64_t when, const std::string& detail) {
    return FormatText("%s\n%s", ItemTime(when).c_str(), detail.c_str());
}

// The sound of a new-item event, when the user wants it and the event is switched on.
std::optional<SoundCue> SoundIfWanted(const CAppCore& core, bool wanted, int event,
                                      int delayMilliseconds) {
    if (!wanted || !core.IsEventEnabled(event)) return std::nullopt;
    return SoundCue{core.m_soundFiles[event], delayMilliseconds};
}
}  // namespace

NewItemNotices::NewItemNotices(CAppCore& core) : core_(core) {}

NewItemNotice NewItemNotices::OnNewsFetched(std::string_view feed) {
    NewItemNotice notice;
    NewsStore& news = core_.m_newsStore;
    if (!news.TakeFetchedFeed(feed, core_.m_newsCheckedAt)) return notice;
    // Several items arriving together make one announcement, naming the newest.
    if (const iaNews* newest = news.ItemFromNewest(0)) {
        notice.sound =
            SoundIfWanted(core_, core_.m_newsSound, EVENT_NEW_NEWS, NEWS_SOUND_DELAY_MILLISECONDS);
        if (core_.m_newsBalloon)
            notice.balloon =
                BalloonNotice{BALLOON_NEWS, "新着ニュースがあります",
                              BalloonText(newest->when, newest->title), NEWS_BALLOON_TIMEOUT};
        news.MarkAllAnnounced();
    }
    notice.showPageAgain = core_.m_page == PAGE_NEWS;
    return notice;
}

NewItemNotice NewItemNotices::OnNoticesFetched(std::string_view feed) {
    if (core_.m_noticeStore.TakeFetchedFeed(feed, core_.m_noticeCheckedAt)) {
        const iaNews* newest = core_.m_noticeStore.ItemFromNewest(0);
        return newest ? AnnounceNewNotice(*newest) : NewItemNotice{};
    }
    if (!firstNoticeCheck_) return {};
    return RemindOfUnreadNotices();
}

NewItemNotice NewItemNotices::AnnounceNewNotice(const iaNews& newest) {
    NewItemNotice notice;
    notice.sound = NoticeSound();
    if (core_.m_noticeBalloon) {
        std::string body = newest.body;
        ReplaceAllMbcs(body, "<br>", "\n");
        notice.balloon =
            BalloonNotice{BALLOON_NOTICES, "新着のお知らせがあります",
                          BalloonText(newest.when, Excerpt(body)), NOTICE_BALLOON_TIMEOUT};
    }
    notice.showPageAgain = core_.m_page == PAGE_NOTICES;
    core_.m_noticeStore.MarkAllAnnounced();
    return notice;
}

std::optional<SoundCue> NewItemNotices::NoticeSound() const {
    return SoundIfWanted(core_, core_.m_noticeSound, EVENT_NEW_NOTICES,
                         NOTICE_SOUND_DELAY_MILLISECONDS);
}

NewItemNotice NewItemNotices::RemindOfUnreadNotices() {
    NewItemNotice notice;
    if (const int unread = core_.m_noticeStore.UnreadCount(); unread > 0) {
        notice.sound = NoticeSound();
        if (core_.m_noticeBalloon)
            notice.balloon = BalloonNotice{BALLOON_NOTICES, "未読のお知らせがあります",
                                           FormatText("未読のお知らせが%d件あります。\n", unread),
                                           NOTICE_BALLOON_TIMEOUT};
    }
    notice.showPageAgain = core_.m_page == PAGE_NOTICES;
    firstNoticeCheck_ = false;
    return notice;
}
