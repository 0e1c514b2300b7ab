// The indicator store: every known announcement, ordered by time, with its local file
// "iaindex2.dat".
//
// After every merge and load no two records share name and country, and every record has a
// nonzero id that no other record uses. Records are found by name and country and by id through
// hash indexes, and the next alert target from the current time onwards, so neither walks the
// announcements already past. Pointers and iterators into the store stay valid until the next
// merge, load or clear.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/indicator_record.h"
#include "base/open_hash_index.h"

class IndicatorStore {
public:
    // The store's bounds. Two years of announcements come to about 50,000 records; a forged feed
    // must not make it grow past twice that, nor one feed fill it at once.
    static constexpr size_t MAX_RECORDS = 100000;
    static constexpr size_t MAX_NEW_RECORDS_PER_MERGE = 10000;

    // A flat multimap from announcement time to record: in time order, records with equal times
    // in the order they were inserted.
    using Entry = std::pair<int64_t, IndicatorRecord>;
    using Records = std::vector<Entry>;

    const Records& All() const { return records_; }
    // The first record announced later than now, or All().end().
    Records::const_iterator FirstAfter(int64_t now) const;

    // Merges a fetched feed: a line whose name and country are stored updates that record (its
    // alert marks, notify, muted and id stay); a new line with a name of at least four bytes
    // becomes a record with a new id, notified when its rank reaches autoNotifyRank, until the
    // feed has added MAX_NEW_RECORDS_PER_MERGE records (later new lines are dropped). Then the
    // store is saved to path, reloaded as from the saved file (back into time order, expired
    // records gone, bounded as a load bounds it) and saved again. nextId is the next-id counter.
    void Merge(std::string_view feed, const std::string& path, int32_t autoNotifyRank,
               int32_t& nextId);
    // Merge without its file: the store ends as Merge leaves it and nothing is written, so the
    // merging can be exercised at memory speed.
    void MergeInMemory(std::string_view feed, int32_t autoNotifyRank, int32_t& nextId);

    // Fills the store from the file at path; a missing file leaves it empty. Records older than
    // two years (by Os().Now()) and repeats of a name and country already loaded are left out;
    // a record without an id, or with one that an earlier record holds, gets a new one. Past
    // MAX_RECORDS the oldest announcements already past go first, then, if the coming ones
    // alone are more, those furthest ahead.
    void Load(const std::string& path, int32_t& nextId);
    // Puts one announcement in at its time with a new id from the counter; returns the id, or 0
    // when the store keeps an earlier announcement of the same name and country instead.
    int32_t Add(IndicatorRecord record, int32_t& nextId);
    // Writes the whole store, atomically; false when nothing could be written.
    bool Save(const std::string& path) const;
    // The file's text as Save writes it, and the load of such a text as Load does it.
    std::string FileText() const;
    void LoadText(std::string_view text, int32_t& nextId);
    void Clear();

    // Ids no record holds that a new record must not take all the same: an auto-trade rule
    // outlives its announcement, and a new announcement with that id would inherit a rule the
    // user never set for it. A new id skips every id for which this is true.
    void SetIdsTakenElsewhere(std::function<bool(int32_t)> taken) {
        takenElsewhere_ = std::move(taken);
    }

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
    bool MergeLine(IndicatorRecord line, int32_t autoNotifyRank, int32_t& nextId);
    void MergeFeedLines(std::string_view feed, int32_t autoNotifyRank, int32_t& nextId);
    void SortNewRecordsIn(size_t storedCount);
    void ReloadSaved(int32_t& nextId);
    bool IdTaken(int32_t id) const;
    bool Admit(const IndicatorRecord& record, int64_t oldestKept, size_t position);
    void FinishLoad(int32_t& nextId);
    void PutInTimeOrder();
    void KeepWithinBound();
    void IndexIds(int32_t& nextId);
    auto NameMatches(const IndicatorRecord& like) const;
    auto IdMatches(int32_t id) const;
    const uint32_t* FindByName(const IndicatorRecord& like) const;
    const uint32_t* FindId(int32_t id) const;
    void GiveNewId(uint32_t position, int32_t& nextId);

    Records records_;
    OpenHashIndex byName_;  // positions by name and country
    OpenHashIndex byId_;    // positions by id
    std::function<bool(int32_t)> takenElsewhere_;
};
