// The keyed hash of outside texts: which texts share a slot must depend on a key that no
// server can know.
#include "base/seeded_hash.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(SeededHash, DependsOnTheKeyAndOnEveryByte) {
    const HashKey one{1, 2};
    const HashKey other{1, 3};
    EXPECT_EQ(SeededHash("米・雇用統計", one), SeededHash(std::string("米・雇用統計"), one));
    EXPECT_NE(SeededHash("米・雇用統計", one), SeededHash("米・雇用統計", other));
    // Texts that differ only in their length (trailing zero bytes) are told apart.
    EXPECT_NE(SeededHash(std::string_view("", 0), one), SeededHash(std::string_view("\0", 1), one));
    EXPECT_NE(SeededHash("abcdefgh", one), SeededHash("abcdefgi", one));
    EXPECT_NE(SeededHash("abcdefghX", one), SeededHash("abcdefghY", one));
}

TEST(SeededHash, ThousandsOfSimilarNamesKeepDistinctSlotsUnderEitherKey) {
    // The low bits choose a slot: similar names must not pile into few of them.
    for (const HashKey& key : {HashKey{1, 2}, HashKey{0xDEADBEEF, 0x12345678}}) {
        std::set<uint64_t> slots;
        for (int index = 0; index < 4096; ++index)
            slots.insert(SeededHash("name " + std::to_string(index), key) & 0xFFFF);
        EXPECT_GT(slots.size(), 3700u);
    }
}

TEST(SeededHash, TheProcessKeyIsRandomAndStaysForTheRun) {
    // Two keys drawn from the random source differ, so two runs of the program do not share the
    // slots of their names.
    const HashKey first = RandomHashKey();
    const HashKey second = RandomHashKey();
    EXPECT_FALSE(first.k0 == second.k0 && first.k1 == second.k1);

    const HashKey& key = ProcessHashKey();
    EXPECT_EQ(&key, &ProcessHashKey());
    EXPECT_EQ(SeededHash("独・ＩＦＯ景況感指数"), SeededHash("独・ＩＦＯ景況感指数", key));
    EXPECT_EQ(SeededHash(uint64_t{42}), SeededHash(std::string_view("\x2A\0\0\0\0\0\0\0", 8), key));
}
