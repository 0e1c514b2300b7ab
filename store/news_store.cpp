#include "store/news_store.h"

#include <algorithm>
#include <atomic>
#include <iterator>

#include "base/byte_text.h"
#include "base/line_file.h"
#include "base/os.h"
#include "store/local_files.h"
#include "store/news_feed.h"
#include "store/news_file.h"

void NewsStore::Load() {
    std::string text;
    ReadTextFile(NewsFilePath(newsStore_), text, false);
    LoadText(text);
}

uint64_t NewsStore::NextStamp() {
    static std::atomic<uint64_t> lastStamp{0};
    return ++lastStamp;
}

void NewsStore::Clear() {
    items_.clear();
    stamp_ = NextStamp();
}

void NewsStore::LoadText(std::string_view text) {
    stamp_ = NextStamp();
    items_.clear();
    for (std::string_view line : SplitLineViews(text)) {
        if (line.empty()) continue;
        iaNews item = ParseNewsFileLine(line);
        items_.emplace(item.when, std::move(item));
    }
    KeepNewest();
}

bool NewsStore::KeepNewest() {
    if (items_.size() <= MAX_ITEMS) return false;
    items_.erase(items_.begin(), std::prev(items_.end(), static_cast<std::ptrdiff_t>(MAX_ITEMS)));
    return true;
}

bool NewsStore::Save() const { return WriteFileAtomically(NewsFilePath(newsStore_), FileText()); }

std::string NewsStore::FileText() const {
    std::string text;
    for (const auto& entry : items_) {
        AppendNewsFileLine(text, entry.second);
        text += "\r\n";
    }
    return text;
}

void NewsStore::UpdateFromFeed(std::string_view feed, bool reset) {
    MergeFeed(feed, reset);
    Save();
}

void NewsStore::MergeFeed(std::string_view feed, bool reset) {
    if (reset)
        for (auto& entry : items_) entry.second.present = false;
    bool changed = false;
    FirstById firstById = IndexIds();
    // The oldest items go first when the store is full, so an item dated far ahead would outlive
    // every real one: such a date is broken or forged, and the item is not taken.
    const int64_t latest = Os().Now() + MAX_SECONDS_AHEAD;
    for (iaNews& incoming : ParseNewsFeed(feed))
        if (incoming.when <= latest) changed |= Merge(std::move(incoming), firstById);
    changed |= std::erase_if(items_, [](const auto& entry) { return !entry.second.present; }) > 0;
    changed |= KeepNewest();
    // The same feed fetched again (the usual case) leaves the news page's measures standing.
    if (changed) stamp_ = NextStamp();
}

NewsStore::FirstById NewsStore::IndexIds() {
    FirstById firstById;
    firstById.reserve(items_.size());
    for (auto entry = items_.begin(); entry != items_.end(); ++entry)
        firstById.emplace(entry->second.id, entry);  // a repeated id keeps its first item
    return firstById;
}

bool NewsStore::Merge(iaNews incoming, FirstById& firstById) {
    auto same = firstById.find(incoming.id);
    if (same == firstById.end()) {
        incoming.present = true;
        const int32_t id = incoming.id;
        firstById.emplace(id, items_.emplace(incoming.when, std::move(incoming)));
        return true;
    }
    iaNews& stored = same->second->second;
    const bool changed = stored.title != incoming.title || stored.advert != incoming.advert;
    stored.when = incoming.when;
    stored.title = std::move(incoming.title);
    stored.body = std::move(incoming.body);
    stored.advert = incoming.advert;
    stored.present = true;
    return changed;
}

bool NewsStore::HasNewItemsSince(int64_t lastCheckedAt) const {
    return std::any_of(items_.begin(), items_.end(), [&](const auto& entry) {
        const iaNews& item = entry.second;
        return item.unread && !item.announced && item.when > lastCheckedAt;
    });
}

bool NewsStore::TakeFetchedFeed(std::string_view feed, int64_t& lastCheckedAt) {
    const int64_t previousCheck = lastCheckedAt;
    UpdateFromFeed(feed, !newsStore_);
    lastCheckedAt = Os().Now();
    return HasNewItemsSince(previousCheck);
}

const iaNews* NewsStore::ItemFromNewest(int position) const {
    if (position < 0 || position >= Count()) return nullptr;
    return &std::next(items_.rbegin(), position)->second;
}

std::vector<const iaNews*> NewsStore::ItemsFromNewest() const {
    std::vector<const iaNews*> items;
    items.reserve(items_.size());
    for (auto entry = items_.rbegin(); entry != items_.rend(); ++entry)
        items.push_back(&entry->second);
    return items;
}

int NewsStore::UnreadPositionFromNewest(int n) const {
    if (n < 0) return -1;
    int position = 0;
    for (auto entry = items_.rbegin(); entry != items_.rend(); ++entry, ++position)
        if (entry->second.unread && n-- == 0) return position;
    return -1;
}

int NewsStore::UnreadCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(),
                                          [](const auto& entry) { return entry.second.unread; }));
}

void NewsStore::MarkAllAnnounced() {
    for (auto& entry : items_) entry.second.announced = true;
}

void NewsStore::MarkAllRead() {
    for (auto& entry : items_) entry.second.unread = false;
}

void NewsStore::MarkRead(int position) {
    iaNews* item = const_cast<iaNews*>(ItemFromNewest(position));
    if (!item) return;
    item->unread = false;
    Save();
}
