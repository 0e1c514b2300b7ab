#include "store/indicator_store.h"

#include <functional>
#include <vector>

#include "app/os.h"
#include "store/indicator_feed.h"
#include "store/indicator_file.h"
#include "store/line_file.h"
#include "store/text_utils.h"

namespace {
// Announcements are kept for two years (730 days).
constexpr int64_t kKeptSeconds = 63072000;
// Room for one line of the file; only a reservation, longer lines still fit.
constexpr size_t kTypicalLineBytes = 128;
}  // namespace

size_t IndicatorStore::NameKeyHash::operator()(const NameKey& key) const {
    return std::hash<std::string_view>()(key.name) * 31 + static_cast<size_t>(key.country);
}

void IndicatorStore::Merge(std::string_view feed, const std::string& path, int32_t autoNotifyRank,
                           int32_t& nextId) {
    for (IndicatorRecord& line : ParseIndicatorFeed(feed))
        MergeLine(std::move(line), autoNotifyRank, nextId);
    // Updated records still stand at their old times. Reloading the saved lines puts them back in
    // order and drops what has expired. It reads the lines just written rather than the file, so
    // a failed write cannot throw the merged announcements away.
    std::string text = FileText();
    WriteFileAtomically(path, text);
    LoadText(text, nextId);
    Save(path);
}

void IndicatorStore::MergeLine(IndicatorRecord line, int32_t autoNotifyRank, int32_t& nextId) {
    auto found = byName_.find(NameKey{line.name, line.country});
    if (found != byName_.end()) {
        // Name and country are equal already; the alert marks, notify, muted and id stay.
        IndicatorRecord& stored = found->second->second;
        stored.when = line.when;
        stored.forecast = std::move(line.forecast);
        stored.result = std::move(line.result);
        stored.previous = std::move(line.previous);
        stored.rank = line.rank;
        stored.highlight = line.highlight;
        return;
    }
    if (line.name.size() < 4) return;
    line.notify = line.rank >= autoNotifyRank;
    Records::iterator at = Insert(std::move(line));
    GiveNewId(at, nextId);
}

void IndicatorStore::Load(const std::string& path, int32_t& nextId) {
    std::string text;
    ReadTextFile(path, text, false);
    LoadText(text, nextId);
}

void IndicatorStore::LoadText(std::string_view text, int32_t& nextId) {
    Clear();
    const int64_t oldestKept = Os().Now() - kKeptSeconds;
    // New ids are handed out only once every stored id is known, so that a new id never takes
    // the id of a later line (an auto-trade rule may refer to that one).
    std::vector<Records::iterator> withoutId;
    for (const std::string& line : SplitLines(text)) {
        if (line.empty()) continue;
        IndicatorRecord record = ReadIndicatorFileLine(line);
        if (record.when <= oldestKept || byName_.contains(NameKey{record.name, record.country}))
            continue;
        Records::iterator at = Insert(std::move(record));
        if (!IndexId(at)) withoutId.push_back(at);
    }
    for (Records::iterator at : withoutId) GiveNewId(at, nextId);
}

bool IndicatorStore::Save(const std::string& path) const {
    return WriteFileAtomically(path, FileText());
}

std::string IndicatorStore::FileText() const {
    std::string text;
    text.reserve(records_.size() * kTypicalLineBytes);
    for (const auto& [key, record] : records_) {
        AppendIndicatorFileLine(text, record);
        text += "\r\n";
    }
    return text;
}

void IndicatorStore::Clear() {
    byName_.clear();
    byId_.clear();
    records_.clear();
}

const IndicatorRecord* IndicatorStore::FindById(int32_t id) const {
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : &found->second->second;
}

const IndicatorRecord* IndicatorStore::NextAlertTarget(int64_t now) const {
    for (auto at = records_.upper_bound(now); at != records_.end(); ++at)
        if (at->second.notify && !at->second.muted) return &at->second;
    return nullptr;
}

void IndicatorStore::ApplyThreshold(int32_t threshold) {
    for (auto& [key, record] : records_) record.notify = record.rank >= threshold;
}

bool IndicatorStore::SetNotify(int32_t id, bool notify) {
    auto found = byId_.find(id);
    if (found == byId_.end()) return false;
    found->second->second.notify = notify;
    return true;
}

void IndicatorStore::MarkFiredAlerts(int64_t when, uint32_t stages) {
    auto [first, last] = records_.equal_range(when);
    for (auto at = first; at != last; ++at) at->second.firedAlerts |= stages;
}

IndicatorStore::Records::iterator IndicatorStore::Insert(IndicatorRecord record) {
    // A new record goes after those with the same time; the hint makes a time-ordered file cheap.
    int64_t when = record.when;
    Records::iterator at = records_.emplace_hint(records_.end(), when, std::move(record));
    byName_.emplace(NameKey{at->second.name, at->second.country}, at);
    return at;
}

bool IndicatorStore::IndexId(Records::iterator at) {
    return at->second.id != 0 && byId_.emplace(at->second.id, at).second;
}

void IndicatorStore::GiveNewId(Records::iterator at, int32_t& nextId) {
    // The smallest free id at or above the counter; 0 means "none", so it is never handed out.
    // The counter wraps around rather than overflowing.
    uint32_t candidate = static_cast<uint32_t>(nextId);
    while (candidate == 0 || byId_.contains(static_cast<int32_t>(candidate))) ++candidate;
    at->second.id = static_cast<int32_t>(candidate);
    byId_.emplace(at->second.id, at);
    nextId = static_cast<int32_t>(candidate + 1);
}
