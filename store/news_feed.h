// The line format of the news feed "qznnews.dat" and the notice feed "qzninfo.dat", after the
// conversion to CP932.
//
// The text is a fetched feed's body (the HTTP head is the download's business). Its first line,
// the header line, is dropped. Every following LF-ended line is one item, up to the first empty
// line. An item line holds the fields id, title, body, (unused), time, each ended by "<<>>"; a
// missing field repeats the text of the field before it. A body ending in "XCF" marks an
// advertisement.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/news_item.h"

// The items in feed order, with the marks of a new item (an advert is neither unread nor to be
// announced). The text ends at its first NUL byte. The byte 0x07, which separates the fields of
// the local news files, is removed from titles and bodies.
std::vector<iaNews> ParseNewsFeed(std::string_view feed);

// The first line of a feed, which the reader skips: the feed's name, its item count and the
// time it was written (seconds since 1970), LF-ended.
std::string NewsFeedHeaderLine(std::string_view feedName, size_t itemCount, int64_t writtenAt);

// The LF-ended line that ParseNewsFeed reads back as the item's id, title, body, time and advert
// mark. Texts are made safe for the line: CR, LF, NUL and 0x07 become spaces and "<<>>" inside
// a text is broken up ("<< >>"); a body that is no advert but ends in "XCF" gets a trailing space
// so that it is not taken for one.
std::string NewsFeedItemLine(const iaNews& item);
