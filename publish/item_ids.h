// Stable ids for news items and notices: the panel knows an item by its id, so an item keeps
// its id from run to run (even when its text changes) and never announces itself twice.
//
// The ids live in a small state file in the output folder: a first line "highest <TAB> N"
// with the highest id ever given, then one line per item:
//   id <TAB> first seen (seconds since 1970) <TAB> last seen <TAB> key
// Keys are prefixed by their feed ("news:", "notice:"). An item not seen for 400 days is
// forgotten.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

class ItemIds {
public:
    // Reads the state text; lines that cannot be read are skipped.
    explicit ItemIds(std::string_view stateText);

    // The item's id, a new one (one above the highest ever given) for a key not seen before.
    // The first-seen time stands in for an item that has no time of its own.
    struct Entry {
        int32_t id;
        int64_t firstSeen;
    };
    Entry IdFor(const std::string& key, int64_t now);

    // The state text to store after the run.
    std::string StateText(int64_t now) const;

private:
    struct Record {
        int32_t id = 0;
        int64_t firstSeen = 0;
        int64_t lastSeen = 0;
    };
    std::map<std::string, Record> records_;
    int32_t highestId_ = 0;
};
