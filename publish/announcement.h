// One economic-indicator announcement as a calendar source gives it, before it is written to the
// indicator feed. Texts are UTF-8; the feed writer converts them.
#pragma once

#include <cstdint>
#include <string>

// The rank of an announcement whose source names no importance.
inline constexpr int32_t DEFAULT_RANK = 3;
// Announcements of this rank are drawn in red unless a source says otherwise.
inline constexpr int32_t HIGHLIGHTED_RANK = 5;
// The country index of a code outside the flag table: the panel draws no flag for it.
inline constexpr int32_t NO_COUNTRY = -1;

struct Announcement {
    int64_t when = 0;  // seconds since 1970 UTC
    std::string name;
    int32_t country = NO_COUNTRY;
    int32_t rank = DEFAULT_RANK;
    int32_t highlight = 0;
    std::string forecast;
    std::string previous;
    std::string result;
};

// Where a source's announcements are read: its name for messages, and the time span that the
// run writes (recurring events are expanded inside it).
struct CalendarWindow {
    int64_t from = 0;
    int64_t to = 0;
    bool Contains(int64_t when) const { return when >= from && when <= to; }
};
