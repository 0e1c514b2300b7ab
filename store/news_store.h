// The news store and the notice store: the items of one feed in time order, kept with their
// read and announced marks in a local file.
//
// Positions count from the newest item (0). An item whose time changes in a later feed keeps
// its place until the store is next loaded.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/seeded_hash.h"
#include "store/news_item.h"

class NewsStore {
public:
    // The most items a store keeps; past it the oldest go. A feed lists tens of items, and the
    // news page measures every title, so a forged feed of a million lines must not stay.
    static constexpr size_t MAX_ITEMS = 1000;
    // A feed's item dated more than this after now is not taken (a clock a day wrong is allowed).
    static constexpr int64_t MAX_SECONDS_AHEAD = 86400;

    // True for the news store ("iasnews.dat"), false for the notice store ("ianews.dat").
    explicit NewsStore(bool newsStore) : newsStore_(newsStore) {}

    // Replaces the items by those of the store's file; a missing file leaves the store empty.
    void Load();
    // False when the file could not be written; the previous file then stays whole.
    bool Save() const;
    // The file's text as Save writes it, and the load of a text as read from the file.
    std::string FileText() const;
    void LoadText(std::string_view text);
    void Clear();

    // Merges a fetched feed and saves. Items seen again keep their marks and take the feed's
    // time, title, body and advert mark. Then every item not seen is removed: with `reset`
    // every item missing from this feed, without it only items not seen since the last load;
    // and beyond MAX_ITEMS the oldest.
    void UpdateFromFeed(std::string_view feed, bool reset);
    // UpdateFromFeed without the save, so the merging can be exercised at memory speed.
    void MergeFeed(std::string_view feed, bool reset);
    // True when some item is unread, not announced and newer than the time.
    bool HasNewItemsSince(int64_t lastCheckedAt) const;
    // A fetched feed arrived: updates the store (the notice store drops every item missing from
    // the feed, the news store keeps what it saw during this run), moves the last-check time to
    // now and tells whether the feed brought items to announce.
    bool TakeFetchedFeed(std::string_view feed, int64_t& lastCheckedAt);

    // Changes whenever the items, their titles or their advert marks may have changed (a load, a
    // clear, a feed that brought or dropped items or changed one of those); no two states of any
    // two stores share a stamp. The news page measures its titles again only when it changed.
    uint64_t Stamp() const { return stamp_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // Nothing when the position is out of range. Reaching a position steps through the items
    // before it; walk them all with ItemsFromNewest.
    const iaNews* ItemFromNewest(int position) const;
    // Every item, at its position (the newest first).
    std::vector<const iaNews*> ItemsFromNewest() const;
    // The position of the n-th unread item (n from 0, newest first), or -1.
    int UnreadPositionFromNewest(int n) const;
    int UnreadCount() const;

    void MarkAllAnnounced();
    void MarkAllRead();
    // Marks the item at the position read and saves the store.
    void MarkRead(int position);

private:
    using Items = std::multimap<int64_t, iaNews>;
    // The first item in time order of every id, found in one step however long the feed.
    using FirstById = std::unordered_map<int32_t, Items::iterator, SeededHasher>;

    // True when the item is new or its title or advert mark changed.
    bool Merge(iaNews incoming, FirstById& firstById);
    FirstById IndexIds();
    // True when items went.
    bool KeepNewest();
    static uint64_t NextStamp();

    bool newsStore_;
    Items items_;  // by the time the item had when it was inserted
    uint64_t stamp_ = NextStamp();
};
