// One item of the news feed or the notice feed, with the marks the user's reading leaves on it.
#pragma once

#include <cstdint>
#include <string>

struct iaNews {
    int32_t id = 0;     // the server's item number
    int64_t when = 0;   // item time, seconds since 1970 UTC
    std::string title;  // short text; the news balloon shows it
    std::string body;   // HTML; may hold "<br>" line breaks
    bool unread = true;
    bool announced = false;  // a balloon for it was already shown
    bool advert = false;
    bool present = false;  // seen in the latest feed; never saved
};
