#include "views/news_paging.h"

#include <cstddef>

namespace {

// The height of a page holding `count` items of which `advert` is one when any is an advert.
// Expanding any one item adds the same body height, so the page's height does not depend on
// which item is expanded; an advert's icon is allowed for when the page holds an advert.
int PageHeight(int itemsHeight, int count, bool advert, const NewsPageRoom& room) {
    return itemsHeight + room.gap * (count - 1) + room.expanded + (advert ? room.advertIcon : 0);
}

}  // namespace

std::vector<int> NewsPageStarts(const std::vector<NewsItemSize>& items, const NewsPageRoom& room) {
    std::vector<int> starts;
    size_t next = 0;
    while (next < items.size()) {
        starts.push_back(static_cast<int>(next));
        int itemsHeight = items[next].height;
        bool advert = items[next].advert;
        int count = 1;
        ++next;
        while (next < items.size() && count < room.maxItems) {
            int height = itemsHeight + items[next].height;
            bool withAdvert = advert || items[next].advert;
            if (PageHeight(height, count + 1, withAdvert, room) > room.height) break;
            itemsHeight = height;
            advert = withAdvert;
            ++count;
            ++next;
        }
    }
    return starts;
}
