// Notices written as plain UTF-8 text files in a folder, one notice per "*.txt" file.
#pragma once

#include <string>
#include <vector>

#include "publish/feed_item.h"
#include "publish/zone_clock.h"

// The first line is the title; a title that starts with "YYYY-MM-DD HH:MM" (civil time in
// `zone`) takes that as the notice's time, otherwise the file's modification time counts. The
// other lines are the body, as escaped text: lines of one paragraph are joined with a space and
// every blank line becomes a "<br>". The key is the file name, so a notice keeps its id while
// its text is edited. Files whose name starts with "." are left out; the notices come in file
// name order. False, with the reason in `error`, when the folder or a file cannot be read.
bool ReadNoticeFolder(const std::string& folder, const ZoneClock& zone,
                      std::vector<FeedItem>& notices, std::string& error);

// One notice file's text (used by ReadNoticeFolder; modifiedAt is the file's time).
FeedItem NoticeOfText(const std::string& fileName, std::string_view text, int64_t modifiedAt,
                      const ZoneClock& zone);
