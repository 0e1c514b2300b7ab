// One news item or notice as its source gives it, before it gets its id and is written to a
// news feed file. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct FeedItem {
    std::string key;              // what keeps the item's id across runs: guid, link or file name
    std::string title;            // plain text
    std::optional<int64_t> when;  // none when the source gives no time: the first run's time
    std::string body;             // sanitised HTML
};
