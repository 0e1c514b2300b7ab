// How the news items fall into pages: from the newest on, each page takes as many items, at most
// a fixed number, as fit between the top of the list and the page box with one of them expanded.
// Titles are measured by the drawing font, so a page of long or tall titles holds fewer items
// and the page count grows.
#pragma once

#include <vector>

// One item as the page lays it out: its date line and its title as measured, one above the other.
struct NewsItemSize {
    int height = 0;
    bool advert = false;  // expanded, it shows its video icon below the body
};

// The vertical room of a page and what an item needs besides its own height.
struct NewsPageRoom {
    int height = 0;      // from the top of the first date line to the top of the page box
    int gap = 0;         // between two items
    int expanded = 0;    // the expanded item's body and the gap above it
    int advertIcon = 0;  // below an expanded advert's body
    int maxItems = 0;
};

// The index of the first item of every page, in order; none for no items. Whichever item of a
// page is expanded, the page ends above the page box; an item too tall for any page gets a page
// of its own.
std::vector<int> NewsPageStarts(const std::vector<NewsItemSize>& items, const NewsPageRoom& room);
