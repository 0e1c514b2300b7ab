// The indicator store: every known announcement, ordered by time, with its local file
// "iaindex2.dat".
//
// After every merge and load no two records share name and country, and every record has a
// nonzero id that no other record uses. Records are looked up by name and country and by id
// through indexes, and the next alert target is found from the current time onwards, so neither
// walks the announcements already past.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/indicator_record.h"

class IndicatorStore {
public:
    // By announcement time; records with equal times in the order they were inserted.
    using Records = std::multimap<int64_t, IndicatorRecord>;

    IndicatorStore() = default;
    // The indexes point into the records: a store is never copied or moved.
    IndicatorStore(const IndicatorStore&) = delete;
    IndicatorStore& operator=(const IndicatorStore&) = delete;

    const Records& All() const { return records_; }

    // Merges a fetched feed: a line whose name and country are stored updates that record (its
    // alert marks, notify, muted and id stay); a new line with a name of at least four bytes
    // becomes a record with a new id, notified when its rank reaches autoNotifyRank. Then the
    // store is saved to path, reloaded from the saved lines (back into time order, expired
    // records gone) and saved again. nextId is the next-id counter.
    void Merge(std::string_view feed, const std::string& path, int32_t autoNotifyRank,
               int32_t& nextId);

    // Fills the store from the file at path; a missing file leaves it empty. Records older than
    // two years (by Os().Now()) and repeats of a name and country already loaded are left out;
    // a record without an id, or with one taken by an earlier record, gets a new one.
    void Load(const std::string& path, int32_t& nextId);
    // Writes the whole store, atomically; false when nothing could be written.
    bool Save(const std::string& path) const;
    void Clear();

    const IndicatorRecord* FindById(int32_t id) const;
    // The first record after now that has notify set and muted clear; none when there is none.
    const IndicatorRecord* NextAlertTarget(int64_t now) const;

    // Sets every record's notify to whether its rank reaches the threshold.
    void ApplyThreshold(int32_t threshold);
    // Sets notify of the record with this id; false when there is none.
    bool SetNotify(int32_t id, bool notify);
    // Sets the given alert-stage bits on every record announced at `when`.
    void MarkFiredAlerts(int64_t when, uint32_t stages);

private:
    struct NameKey {
        std::string_view name;  // the stored record's own name
        int32_t country;
        bool operator==(const NameKey&) const = default;
    };
    struct NameKeyHash {
        size_t operator()(const NameKey& key) const;
    };

    void MergeLine(IndicatorRecord line, int32_t autoNotifyRank, int32_t& nextId);
    void LoadText(std::string_view text, int32_t& nextId);
    std::string FileText() const;
    Records::iterator Insert(IndicatorRecord record);
    bool IndexId(Records::iterator at);
    void GiveNewId(Records::iterator at, int32_t& nextId);

    Records records_;
    std::unordered_map<NameKey, Records::iterator, NameKeyHash> byName_;
    std::unordered_map<int32_t, Records::iterator> byId_;
};
