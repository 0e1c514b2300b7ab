#include "store/indicator_store.h"

#include <algorithm>

#include "base/os.h"
#include "base/seeded_hash.h"
#include "store/indicator_feed.h"
#include "store/indicator_file.h"
#include "base/line_file.h"

namespace {
// Announcements are kept for two years (730 days).
constexpr int64_t KEPT_SECONDS = 63072000;
// Room for one line of the file; only a reservation, longer lines still fit.
constexpr size_t TYPICAL_LINE_BYTES = 128;

using Entry = IndicatorStore::Entry;

// Names come from the feed, so their hash is keyed: no feed can pile its names into one slot.
uint64_t NameHash(const IndicatorRecord& record) {
    return MixHash(SeededHash(record.name) ^ static_cast<uint32_t>(record.country));
}

uint64_t IdHash(int32_t id) { return SeededHash(static_cast<uint32_t>(id)); }

size_t CountLines(std::string_view text) {
    size_t count = 0;
    for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
        ++count;
    return count;
}

int64_t OldestKept() { return Os().Now() - KEPT_SECONDS; }

bool KeyBefore(const Entry& a, const Entry& b) { return a.first < b.first; }
bool KeyBeforeTime(const Entry& entry, int64_t when) { return entry.first < when; }
bool TimeBeforeKey(int64_t when, const Entry& entry) { return when < entry.first; }
}  // namespace

IndicatorStore::Records::const_iterator IndicatorStore::FirstAfter(int64_t now) const {
    return std::upper_bound(records_.begin(), records_.end(), now, TimeBeforeKey);
}

auto IndicatorStore::NameMatches(const IndicatorRecord& like) const {
    return [this, &like](uint32_t position) {
        const IndicatorRecord& stored = records_[position].second;
        return stored.country == like.country && stored.name == like.name;
    };
}

auto IndicatorStore::IdMatches(int32_t id) const {
    return [this, id](uint32_t position) { return records_[position].second.id == id; };
}

void IndicatorStore::Merge(std::string_view feed, const std::string& path, int32_t autoNotifyRank,
                           int32_t& nextId) {
    MergeFeedLines(feed, autoNotifyRank, nextId);
    Save(path);
    // Updated records still stand at their old times; the reload puts them back in order and
    // drops what has expired. Taken from the records rather than read back from the file, it
    // cannot lose the merged announcements to a failed write.
    ReloadSaved(nextId);
    Save(path);
}

void IndicatorStore::MergeInMemory(std::string_view feed, int32_t autoNotifyRank, int32_t& nextId) {
    MergeFeedLines(feed, autoNotifyRank, nextId);
    ReloadSaved(nextId);
}

void IndicatorStore::MergeFeedLines(std::string_view feed, int32_t autoNotifyRank,
                                    int32_t& nextId) {
    const size_t storedCount = records_.size();
    size_t added = 0;
    for (IndicatorRecord& line : ParseIndicatorFeed(feed)) {
        // Updates go on; only new records stop at the bound.
        if (added == MAX_NEW_RECORDS_PER_MERGE && !FindByName(line)) continue;
        if (MergeLine(std::move(line), autoNotifyRank, nextId)) ++added;
    }
    SortNewRecordsIn(storedCount);
}

int32_t IndicatorStore::Add(IndicatorRecord record, int32_t& nextId) {
    const size_t storedCount = records_.size();
    const auto position = static_cast<uint32_t>(storedCount);
    byName_.Insert(NameHash(record), position);
    const int64_t when = record.when;
    records_.emplace_back(when, std::move(record));
    GiveNewId(position, nextId);
    const int32_t id = records_[position].second.id;
    SortNewRecordsIn(storedCount);
    // The sort moved positions: rebuild the indexes as a load would. The load's rules may drop
    // the record (an announcement of that name and country stands before it).
    ReloadSaved(nextId);
    return FindById(id) ? id : 0;
}

// True when the line became a new record, appended at the end of the store.
bool IndicatorStore::MergeLine(IndicatorRecord line, int32_t autoNotifyRank, int32_t& nextId) {
    if (const uint32_t* found = FindByName(line)) {
        // Name and country are equal already; the alert marks, notify, muted and id stay, and so
        // does the record's place in the store.
        IndicatorRecord& stored = records_[*found].second;
        stored.when = line.when;
        stored.forecast = std::move(line.forecast);
        stored.result = std::move(line.result);
        stored.previous = std::move(line.previous);
        stored.rank = line.rank;
        stored.highlight = line.highlight;
        return false;
    }
    if (line.name.size() < 4) return false;
    line.notify = line.rank >= autoNotifyRank;
    const auto position = static_cast<uint32_t>(records_.size());
    byName_.Insert(NameHash(line), position);
    const int64_t when = line.when;
    records_.emplace_back(when, std::move(line));
    GiveNewId(position, nextId);
    return true;
}

// Puts the records appended since storedCount at their places, each after the records already
// there with the same time. The indexes are stale afterwards until the store is reloaded.
void IndicatorStore::SortNewRecordsIn(size_t storedCount) {
    auto firstNew = records_.begin() + static_cast<std::ptrdiff_t>(storedCount);
    std::stable_sort(firstNew, records_.end(), KeyBefore);
    std::inplace_merge(records_.begin(), firstNew, records_.end(), KeyBefore);
}

void IndicatorStore::Load(const std::string& path, int32_t& nextId) {
    // The lines end in CR LF; reading the bytes untranslated is enough, because a line loses
    // every CR before its LF anyway.
    std::string text;
    ReadTextFile(path, text, true);
    LoadText(text, nextId);
}

void IndicatorStore::LoadText(std::string_view text, int32_t& nextId) {
    Clear();
    const size_t lineCount = CountLines(text);
    records_.reserve(lineCount);
    byName_.Reserve(lineCount);
    const int64_t oldestKept = OldestKept();
    // Lines end at LF and lose their trailing CRs; bytes after the last LF are no line.
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        IndicatorRecord record = ReadIndicatorFileLine(line);
        if (!Admit(record, oldestKept, records_.size())) continue;
        const int64_t when = record.when;
        records_.emplace_back(when, std::move(record));
    }
    FinishLoad(nextId);
}

// Does what loading the file just saved does, without reading it: the line of every record, in
// store order, gives back the record as AsReadBack shows.
void IndicatorStore::ReloadSaved(int32_t& nextId) {
    byName_.Clear();
    const int64_t oldestKept = OldestKept();
    size_t kept = 0;
    for (Entry& entry : records_) {
        AsReadBack(entry.second);
        if (!Admit(entry.second, oldestKept, kept)) continue;
        entry.first = entry.second.when;
        if (&entry != &records_[kept]) records_[kept] = std::move(entry);
        ++kept;
    }
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(kept), records_.end());
    FinishLoad(nextId);
}

// A loaded record is kept unless it has expired or an earlier one has its name and country. A
// kept one is indexed at the given position.
bool IndicatorStore::Admit(const IndicatorRecord& record, int64_t oldestKept, size_t position) {
    if (record.when <= oldestKept) return false;
    return !byName_.InsertUnlessFound(NameHash(record), static_cast<uint32_t>(position),
                                      NameMatches(record));
}

void IndicatorStore::FinishLoad(int32_t& nextId) {
    PutInTimeOrder();
    KeepWithinBound();
    IndexIds(nextId);
}

// The store is in time order here; what goes is cut from its ends and the name index built
// again for the positions that remain.
void IndicatorStore::KeepWithinBound() {
    if (records_.size() <= MAX_RECORDS) return;
    const size_t excess = records_.size() - MAX_RECORDS;
    const auto past = static_cast<size_t>(FirstAfter(Os().Now()) - records_.begin());
    const size_t fromStart = std::min(excess, past);
    records_.erase(records_.end() - static_cast<std::ptrdiff_t>(excess - fromStart),
                   records_.end());
    records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(fromStart));
    byName_.Clear();
    for (uint32_t position = 0; position < records_.size(); ++position)
        byName_.Insert(NameHash(records_[position].second), position);
}

// A file saved by a merge holds the updated records at their old places.
void IndicatorStore::PutInTimeOrder() {
    auto unsorted = std::is_sorted_until(records_.begin(), records_.end(), KeyBefore);
    if (unsorted == records_.end()) return;
    // Records up to the earliest misplaced time keep their positions; only the rest is sorted.
    const int64_t earliest = std::min_element(unsorted, records_.end(), KeyBefore)->first;
    const auto from = static_cast<uint32_t>(
        std::upper_bound(records_.begin(), unsorted, earliest, TimeBeforeKey) - records_.begin());
    const auto count = static_cast<uint32_t>(records_.size());
    // Sorting (time, position) pairs is a stable sort by time that moves no record.
    std::vector<std::pair<int64_t, uint32_t>> order;
    order.reserve(count - from);
    for (uint32_t position = from; position < count; ++position)
        order.emplace_back(records_[position].first, position);
    std::sort(order.begin(), order.end());
    std::vector<uint32_t> newPosition(count);
    for (uint32_t position = 0; position < from; ++position) newPosition[position] = position;
    for (uint32_t rank = 0; rank < order.size(); ++rank)
        newPosition[order[rank].second] = from + rank;
    byName_.RenumberPositions([&newPosition](uint32_t old) { return newPosition[old]; });
    // Each swap puts one record at its place, so no second array of records is needed.
    for (uint32_t position = from; position < count; ++position) {
        while (newPosition[position] != position) {
            const uint32_t target = newPosition[position];
            std::swap(records_[position], records_[target]);
            std::swap(newPosition[position], newPosition[target]);
        }
    }
}

// New ids are handed out only once every stored id is known, so that a new id never takes the
// id of a later record (an auto-trade rule may refer to that one).
void IndicatorStore::IndexIds(int32_t& nextId) {
    byId_.Clear();
    byId_.Reserve(records_.size());
    std::vector<uint32_t> withoutId;
    for (uint32_t position = 0; position < records_.size(); ++position) {
        const int32_t id = records_[position].second.id;
        if (id == 0 || byId_.InsertUnlessFound(IdHash(id), position, IdMatches(id)))
            withoutId.push_back(position);
    }
    for (uint32_t position : withoutId) GiveNewId(position, nextId);
}

bool IndicatorStore::Save(const std::string& path) const {
    return WriteFileAtomically(path, FileText());
}

std::string IndicatorStore::FileText() const {
    std::string text;
    text.reserve(records_.size() * TYPICAL_LINE_BYTES);
    for (const auto& [key, record] : records_) AppendIndicatorFileLine(text, record);
    return text;
}

void IndicatorStore::Clear() {
    byName_.Clear();
    byId_.Clear();
    records_.clear();
}

const IndicatorRecord* IndicatorStore::FindById(int32_t id) const {
    const uint32_t* found = FindId(id);
    return found ? &records_[*found].second : nullptr;
}

const IndicatorRecord* IndicatorStore::NextAlertTarget(int64_t now) const {
    for (auto at = FirstAfter(now); at != records_.end(); ++at)
        if (at->second.notify && !at->second.muted) return &at->second;
    return nullptr;
}

void IndicatorStore::ApplyThreshold(int32_t threshold) {
    for (auto& [key, record] : records_) record.notify = record.rank >= threshold;
}

bool IndicatorStore::SetNotify(int32_t id, bool notify) {
    const uint32_t* found = FindId(id);
    if (!found) return false;
    records_[*found].second.notify = notify;
    return true;
}

void IndicatorStore::MarkFiredAlerts(int64_t when, uint32_t stages) {
    auto at = std::lower_bound(records_.begin(), records_.end(), when, KeyBeforeTime);
    for (; at != records_.end() && at->first == when; ++at) at->second.firedAlerts |= stages;
}

const uint32_t* IndicatorStore::FindByName(const IndicatorRecord& like) const {
    return byName_.Find(NameHash(like), NameMatches(like));
}

const uint32_t* IndicatorStore::FindId(int32_t id) const {
    return byId_.Find(IdHash(id), IdMatches(id));
}

bool IndicatorStore::IdTaken(int32_t id) const {
    return FindId(id) || (takenElsewhere_ && takenElsewhere_(id));
}

void IndicatorStore::GiveNewId(uint32_t position, int32_t& nextId) {
    // The smallest free id at or above the counter; 0 means "none", so it is never handed out.
    // The counter wraps around rather than overflowing.
    uint32_t candidate = static_cast<uint32_t>(nextId);
    while (candidate == 0 || IdTaken(static_cast<int32_t>(candidate))) ++candidate;
    records_[position].second.id = static_cast<int32_t>(candidate);
    byId_.Insert(IdHash(records_[position].second.id), position);
    nextId = static_cast<int32_t>(candidate + 1);
}
