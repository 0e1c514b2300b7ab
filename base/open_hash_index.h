// Positions of records kept in a vector elsewhere, indexed by a hash that the caller computes:
// open addressing with linear probing in one flat table of 8-byte slots. A lookup that finds
// nothing, the common case while tens of thousands of records are loaded, touches one cache line
// where a node-based map chases a pointer per bucket. Entries are only added, or all cleared.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Spreads the bits of a key over the whole hash.
inline uint64_t MixHash(uint64_t key) {
    key ^= key >> 33;
    key *= 0xFF51AFD7ED558CCDull;
    key ^= key >> 33;
    key *= 0xC4CEB9FE1A85EC53ull;
    key ^= key >> 33;
    return key;
}

class OpenHashIndex {
public:
    void Clear() {
        std::fill(slots_.begin(), slots_.end(), Slot{});
        count_ = 0;
    }

    // Room for count entries without growing. The table is kept at most 80% full: small
    // enough to stay in the processor's cache, and probes walk neighbouring slots of one line.
    void Reserve(size_t count) {
        if (count * 5 <= slots_.size() * 4) return;
        size_t capacity = 16;
        while (capacity * 4 < count * 5) capacity *= 2;
        Rehash(capacity);
    }

    // The first position stored under the hash for which matches(position) holds; null if none.
    template <typename Matches>
    const uint32_t* Find(uint64_t hash, Matches matches) const {
        if (slots_.empty()) return nullptr;
        const uint32_t stored = Stored(hash);
        for (size_t at = stored & Mask(); slots_[at].hash != 0; at = (at + 1) & Mask())
            if (slots_[at].hash == stored && matches(slots_[at].position))
                return &slots_[at].position;
        return nullptr;
    }

    // Stores the position under the hash unless a position for which matches(position) holds is
    // there already: returns that one, or null when the new one was stored. One probe for both.
    template <typename Matches>
    const uint32_t* InsertUnlessFound(uint64_t hash, uint32_t position, Matches matches) {
        Reserve(count_ + 1);
        const uint32_t stored = Stored(hash);
        size_t at = stored & Mask();
        for (; slots_[at].hash != 0; at = (at + 1) & Mask())
            if (slots_[at].hash == stored && matches(slots_[at].position))
                return &slots_[at].position;
        slots_[at] = Slot{stored, position};
        ++count_;
        return nullptr;
    }

    void Insert(uint64_t hash, uint32_t position) {
        Reserve(count_ + 1);
        Place(Stored(hash), position);
        ++count_;
    }

    // After the records moved: every position p becomes newPosition(p).
    template <typename Renumber>
    void RenumberPositions(Renumber newPosition) {
        for (Slot& slot : slots_)
            if (slot.hash != 0) slot.position = newPosition(slot.position);
    }

private:
    // 32 bits of the hash choose the slot and tell keys apart before the caller compares them.
    struct Slot {
        uint32_t hash = 0;  // 0 marks an empty slot
        uint32_t position = 0;
    };

    static uint32_t Stored(uint64_t hash) {
        uint32_t high = static_cast<uint32_t>(hash >> 32);
        return high == 0 ? 1 : high;
    }
    size_t Mask() const { return slots_.size() - 1; }

    void Place(uint32_t hash, uint32_t position) {
        size_t at = hash & Mask();
        while (slots_[at].hash != 0) at = (at + 1) & Mask();
        slots_[at] = Slot{hash, position};
    }

    void Rehash(size_t capacity) {
        std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(capacity));
        for (const Slot& slot : old)
            if (slot.hash != 0) Place(slot.hash, slot.position);
    }

    std::vector<Slot> slots_;
    size_t count_ = 0;
};
