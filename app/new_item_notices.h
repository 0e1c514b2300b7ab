// What the panel does when a news or notice download arrives: hands the feed to its store and
// decides whether to play a sound, which balloon to show at the tray icon and whether the page
// on screen must be shown again with the new items.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/app_core.h"
#include "sound/sound_cue.h"

// The kind of a balloon, kept by the panel so that a click on the balloon opens the right page.
enum BalloonKind : int { BALLOON_NONE = 0, BALLOON_NEWS = 1, BALLOON_NOTICES = 2 };

struct BalloonNotice {
    BalloonKind kind = BALLOON_NONE;
    std::string title;
    std::string text;
    unsigned timeout = 0;  // passed to the shell as it stands

    bool operator==(const BalloonNotice&) const = default;
};

struct NewItemNotice {
    std::optional<SoundCue> sound;
    std::optional<BalloonNotice> balloon;
    // The page on screen lists these items: show it again (the notice page then marks every
    // notice read).
    bool showPageAgain = false;
};

class NewItemNotices {
public:
    // Made when the panel is set up; the first notice download after that reminds the user of
    // unread notices even when it brings nothing new.
    explicit NewItemNotices(CAppCore& core);

    // A news feed arrived: the news store takes it; new items are announced once.
    NewItemNotice OnNewsFetched(std::string_view feed);
    // A notice feed arrived: the notice store takes it; new notices are announced once, and the
    // first download without news counts the unread ones.
    NewItemNotice OnNoticesFetched(std::string_view feed);

private:
    NewItemNotice AnnounceNewNotice(const iaNews& newest);
    NewItemNotice RemindOfUnreadNotices();
    std::optional<SoundCue> NoticeSound() const;

    CAppCore& core_;
    bool firstNoticeCheck_ = true;
};
