// News feeds as the world publishes them: RSS 2.0 (and RSS 1.0) and Atom 1.0, read with libxml2.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "publish/feed_item.h"

// The items in feed order. The title is plain text; the body is the item's content (RSS
// content:encoded, else description; Atom content, else summary) made safe by SanitizeHtml,
// followed by a link to the item's page when it has an http or https one. The key is the guid
// (Atom id), else the link, else the title. The time is pubDate, dc:date, Atom published or
// updated.
//
// The document must be well-formed. It is parsed without network access and without loading or
// substituting entities; a document that declares entities in a DTD is refused, so neither an
// entity bomb nor an external entity can do harm. False, with the line and reason in `error`,
// for such a document and for one that is no RSS or Atom feed.
bool ReadSyndicationFeed(std::string_view bytes, std::vector<FeedItem>& items, std::string& error);
