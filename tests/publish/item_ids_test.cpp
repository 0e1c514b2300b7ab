// The stable ids of news items and notices across runs, through the state text that keeps them.
#include "publish/item_ids.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
constexpr int64_t NOW = 1773100800;

TEST(ItemIds, KeysKeepTheirIdsAndNewKeysGetTheNextOne) {
    ItemIds first("");
    EXPECT_EQ(first.IdFor("news:a", NOW).id, 1);
    EXPECT_EQ(first.IdFor("news:b", NOW + 60).id, 2);
    EXPECT_EQ(first.IdFor("news:a", NOW + 60).firstSeen, NOW);

    ItemIds second(first.StateText(NOW + 60));
    EXPECT_EQ(second.IdFor("news:b", NOW + 120).id, 2);
    EXPECT_EQ(second.IdFor("news:c", NOW + 120).id, 3);
}

TEST(ItemIds, AForgottenItemsIdIsNotGivenAgain) {
    ItemIds first("");
    first.IdFor("news:old", NOW);
    const int64_t muchLater = NOW + 401 * 86400;
    ItemIds second(first.StateText(muchLater));
    EXPECT_EQ(second.IdFor("news:new", muchLater).id, 2);
}

TEST(ItemIds, OnceTheHighestIdWasGivenNewKeysTakeIdsNoKeptItemHolds) {
    ItemIds ids(
        "highest\t2147483646\n"
        "1\t0\t" +
        std::to_string(NOW) +
        "\tnews:a\n"
        "2\t0\t" +
        std::to_string(NOW) +
        "\tnews:b\n"
        "4\t0\t" +
        std::to_string(NOW) + "\tnews:c\n");
    EXPECT_EQ(ids.IdFor("news:last", NOW).id, INT32_MAX);
    EXPECT_EQ(ids.IdFor("news:d", NOW).id, 3);
    EXPECT_EQ(ids.IdFor("news:e", NOW).id, 5);
    EXPECT_EQ(ids.IdFor("news:a", NOW).id, 1);

    ItemIds next(ids.StateText(NOW));
    EXPECT_EQ(next.IdFor("news:f", NOW).id, 6);
    EXPECT_EQ(next.IdFor("news:last", NOW).id, INT32_MAX);
}
}  // namespace
