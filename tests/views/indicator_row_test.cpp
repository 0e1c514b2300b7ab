// The places of an indicator list row's parts: no text place reaches into its neighbour.
#include "views/indicator_row.h"

#include <gtest/gtest.h>

namespace {

bool Overlap(const ViewRect& a, const ViewRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

TEST(IndicatorRowTest, TimeFlagAndNameKeepToTheirOwnPlaces) {
    // Rows of the list at its usual width and of a list narrowed to almost nothing.
    for (int clientRight : {203, 120, 40, 0}) {
        for (int top : {0, 24, 144}) {
            SCOPED_TRACE(testing::Message() << clientRight << " " << top);
            IndicatorRowPlaces row = IndicatorRowPlacesAt(0, top, 24, clientRight);
            EXPECT_FALSE(Overlap(row.time, row.flag));
            EXPECT_FALSE(Overlap(row.flag, row.name));
            EXPECT_FALSE(Overlap(row.time, row.name));
            EXPECT_LE(row.time.right, row.flag.left);
            EXPECT_GE(row.name.Width(), 0);
            EXPECT_GE(row.time.top, top);
            EXPECT_LE(row.time.bottom, top + 24);
        }
    }
}

TEST(IndicatorRowTest, PartsStayAtTheirColumns) {
    IndicatorRowPlaces row = IndicatorRowPlacesAt(0, 24, 24, 203);
    EXPECT_EQ(row.time.left, 28);
    EXPECT_EQ(row.time.top, 28);
    EXPECT_EQ(row.flag, ViewRect::At(62, 27, 21, 15));
    EXPECT_EQ(row.name.left, 88);
    EXPECT_EQ(row.name.right, 203 - 12);
}
