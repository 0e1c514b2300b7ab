#include "base/seeded_hash.h"

#include <random>

namespace {
uint64_t RotateLeft(uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

class SipHash13 {
public:
    explicit SipHash13(const HashKey& key)
        : v0_(key.k0 ^ 0x736F6D6570736575ull),
          v1_(key.k1 ^ 0x646F72616E646F6Dull),
          v2_(key.k0 ^ 0x6C7967656E657261ull),
          v3_(key.k1 ^ 0x7465646279746573ull) {}

    uint64_t Hash(std::string_view bytes) {
        const size_t whole = bytes.size() / 8 * 8;
        for (size_t at = 0; at < whole; at += 8) Absorb(Word(bytes.substr(at, 8)));
        // The last word carries the length in its top byte.
        uint64_t last = Word(bytes.substr(whole)) | (static_cast<uint64_t>(bytes.size()) << 56);
        Absorb(last);
        v2_ ^= 0xFF;
        for (int round = 0; round < 3; ++round) Round();
        return v0_ ^ v1_ ^ v2_ ^ v3_;
    }

private:
    // Little-endian, whatever the machine, so that a hash is the same on every build.
    static uint64_t Word(std::string_view bytes) {
        uint64_t word = 0;
        for (size_t at = 0; at < bytes.size(); ++at)
            word |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[at])) << (8 * at);
        return word;
    }

    void Absorb(uint64_t word) {
        v3_ ^= word;
        Round();
        v0_ ^= word;
    }

    void Round() {
        v0_ += v1_;
        v1_ = RotateLeft(v1_, 13) ^ v0_;
        v0_ = RotateLeft(v0_, 32);
        v2_ += v3_;
        v3_ = RotateLeft(v3_, 16) ^ v2_;
        v0_ += v3_;
        v3_ = RotateLeft(v3_, 21) ^ v0_;
        v2_ += v1_;
        v1_ = RotateLeft(v1_, 17) ^ v2_;
        v2_ = RotateLeft(v2_, 32);
    }

    uint64_t v0_, v1_, v2_, v3_;
};
}  // namespace

HashKey RandomHashKey() {
    std::random_device device;
    auto word = [&device] { return (static_cast<uint64_t>(device()) << 32) | device(); };
    return HashKey{word(), word()};
}

// Every index of the run must hash with the same key, or a look-up would miss.
const HashKey& ProcessHashKey() {
    static const HashKey key = RandomHashKey();
    return key;
}

uint64_t SeededHash(std::string_view bytes, const HashKey& key) {
    return SipHash13(key).Hash(bytes);
}

uint64_t SeededHash(std::string_view bytes) { return SeededHash(bytes, ProcessHashKey()); }

uint64_t SeededHash(uint64_t number) {
    char bytes[8];
    for (int at = 0; at < 8; ++at) bytes[at] = static_cast<char>(number >> (8 * at));
    return SeededHash(std::string_view(bytes, sizeof bytes));
}
