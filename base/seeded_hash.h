// Hashes of texts and numbers that come from outside (feed names, ids), keyed with a random
// value chosen once per process. Without a secret key a server could send names that all land
// in one hash slot and turn every look-up into a walk of the whole store; with it, which names
// collide differs from one run to the next and cannot be worked out from outside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct HashKey {
    uint64_t k0 = 0;
    uint64_t k1 = 0;
};

// A fresh key from the system's random source.
HashKey RandomHashKey();
// The process's key: one RandomHashKey, taken at the first hash and kept for the whole run.
const HashKey& ProcessHashKey();

// SipHash-1-3 of the bytes (a number: its eight bytes, least significant first).
uint64_t SeededHash(std::string_view bytes, const HashKey& key);
// The same under the process's key.
uint64_t SeededHash(std::string_view bytes);
uint64_t SeededHash(uint64_t number);

// For unordered containers keyed by ids or texts from outside.
struct SeededHasher {
    size_t operator()(std::string_view bytes) const { return SeededHash(bytes); }
    size_t operator()(int32_t number) const {
        return SeededHash(static_cast<uint64_t>(static_cast<uint32_t>(number)));
    }
};
