#include "sound/sound_thread_table.h"

#include <utility>

uint32_t SoundThreadTable::ReserveIdentity() {
    // The counter wraps after four billion sounds; skipping the identities still in use keeps
    // every running request distinct even then.
    while (threads_.count(nextIdentity_) != 0) ++nextIdentity_;
    return nextIdentity_++;
}

void SoundThreadTable::Add(uint32_t identity, SoundThreadHandle handle) {
    if (!handle) return;
    threads_.insert_or_assign(identity, std::move(handle));
}

bool SoundThreadTable::Finish(uint32_t identity) { return threads_.erase(identity) != 0; }

void SoundThreadTable::CloseAll() { threads_.clear(); }
