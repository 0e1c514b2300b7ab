// The line format of the news feed "qznnews.dat" and the notice feed "qzninfo.dat", after the
// conversion to CP932.
//
// Anything up to the first blank line of an HTTP response is dropped, then the header line.
// Every following LF-ended line is one item, up to the first empty line. An item line holds
// the fields id, title, body, (unused), time, each ended by "<<>>"; a missing field repeats the
// text of the field before it. A body ending in "XCF" marks an advertisement.
#pragma once

#include <string_view>
#include <vector>

#include "store/news_item.h"

// The items in feed order, with the marks of a new item (an advert is neither unread nor to be
// announced). The text ends at its first NUL byte. The byte 0x07, which separates the fields of
// the local news files, is removed from titles and bodies.
std::vector<iaNews> ParseNewsFeed(std::string_view feed);
