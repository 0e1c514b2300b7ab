// How news items fall into pages by the room they take.
#include "views/news_paging.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A page of 338 rows above the page box, items 12 apart, a body of 146, an icon of 20.
NewsPageRoom Room() { return NewsPageRoom{338, 12, 146, 20, 5}; }

std::vector<NewsItemSize> Items(std::vector<int> heights, int advertAt = -1) {
    std::vector<NewsItemSize> items;
    for (size_t i = 0; i < heights.size(); ++i) {
        items.push_back({heights[i], static_cast<int>(i) == advertAt});
    }
    return items;
}

}  // namespace

TEST(NewsPagingTest, PagesTakeWhatFitsAtMostFive) {
    struct Case {
        const char* what;
        std::vector<int> heights;
        int advertAt;
        std::vector<int> starts;
    };
    const Case cases[] = {
        {"no items", {}, -1, {}},
        {"short items, five a page", {24, 24, 24, 24, 24, 24, 24}, -1, {0, 5}},
        // 5 x 28 + 4 x 12 + 146 = 334 fits exactly below 338; a sixth never joins.
        {"just fitting", {28, 28, 28, 28, 28, 28}, -1, {0, 5}},
        // 5 x 29 + 48 + 146 = 339: one row too many.
        {"one row too tall", {29, 29, 29, 29, 29}, -1, {0, 4}},
        {"an advert needs its icon's room", {28, 28, 28, 28, 28}, 2, {0, 4}},
        {"tall titles, three a page", {48, 48, 48, 48, 48, 48, 48}, -1, {0, 3, 6}},
        {"a tall item starts a page of its own", {24, 24, 24, 24, 150, 24}, -1, {0, 4}},
        {"an item taller than the page still has one", {400, 24}, -1, {0, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NewsPageStarts(Items(c.heights, c.advertAt), Room()), c.starts) << c.what;
    }
}

TEST(NewsPagingTest, EveryPageEndsAboveThePageBox) {
    std::vector<int> heights;
    for (int i = 0; i < 40; ++i) heights.push_back(12 + (i * 7) % 40);
    std::vector<NewsItemSize> items = Items(heights, 13);
    NewsPageRoom room = Room();
    std::vector<int> starts = NewsPageStarts(items, room);
    ASSERT_FALSE(starts.empty());
    EXPECT_EQ(starts.front(), 0);
    for (size_t page = 0; page < starts.size(); ++page) {
        int begin = starts[page];
        int end = page + 1 < starts.size() ? starts[page + 1] : static_cast<int>(items.size());
        ASSERT_LT(begin, end);
        EXPECT_LE(end - begin, room.maxItems);
        int height = room.gap * (end - begin - 1) + room.expanded;
        for (int i = begin; i < end; ++i) {
            height += items[static_cast<size_t>(i)].height;
            if (items[static_cast<size_t>(i)].advert) height += room.advertIcon;
        }
        EXPECT_LE(height, room.height) << "page " << page;
    }
}
