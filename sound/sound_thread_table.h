// The sound workers still playing, by request identity. Workers are never waited for: each one
// reports its end with its identity, and then its thread handle is closed. Handles of workers
// still playing are closed when the table is emptied, without stopping those workers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

// An owned thread handle; destroying it closes the handle (CloseHandle on Windows).
using SoundThreadHandle = std::unique_ptr<void, void (*)(void*)>;

class SoundThreadTable {
public:
    // An identity that no entry of the table has, for the next request.
    uint32_t ReserveIdentity();
    // Records the worker of a request; a null handle is not recorded.
    void Add(uint32_t identity, SoundThreadHandle handle);
    // The worker of identity has ended: closes its handle and forgets it. False when the
    // identity is not in the table (already finished, or never recorded).
    bool Finish(uint32_t identity);
    // Closes every handle and empties the table.
    void CloseAll();
    size_t Count() const { return threads_.size(); }

private:
    std::map<uint32_t, SoundThreadHandle> threads_;
    uint32_t nextIdentity_ = 1;
};
