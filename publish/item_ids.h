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
#include <unordered_set>

class ItemIds {
public:
    // Reads the state text; lines that cannot be read are skipped.
    explicit ItemIds(std::string_view stateText);

    // The item's id, a new one for a key not seen before: one above the highest ever given or,
    // once the highest possible id was given, the lowest that no kept item holds.
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
    int32_t NewId();

    std::map<std::string, Record> records_;
    int32_t highestId_ = 0;
    // Filled only once every id was given, for the search of free ones.
    std::unordered_set<int32_t> idsInUse_;
    int32_t lowestFreeCandidate_ = 1;
};
