// The size of a list row's time: the largest at which the whole time fits its place.
#include "views/time_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A proportional face: digits 7 pixels wide and the colon 3 at 10 pt, scaled with the size.
int FakeWidth(const std::string& text, int tenthsOfPoint) {
    int width = 0;
    for (char c : text) width += c == ':' ? 3 : 7;
    return width * tenthsOfPoint / 100;
}

}  // namespace

TEST(TimeFit, TheTimeTakesTheLargestSizeAtWhichItFitsWhole) {
    const std::vector<int>& sizes = TimeFontSizes();
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.front(), 100);  // the list's own font comes first
    // "08:30" is 31 pixels at 10 pt.
    EXPECT_EQ(TimeFontSizeFor("08:30", 34, sizes, FakeWidth), 100);
    EXPECT_EQ(TimeFontSizeFor("08:30", 31, sizes, FakeWidth), 100);
    EXPECT_EQ(TimeFontSizeFor("08:30", 30, sizes, FakeWidth), 95);  // 29 pixels
    EXPECT_EQ(TimeFontSizeFor("08:30", 25, sizes, FakeWidth), 80);  // 24; 26 at 8.5 pt
    for (int limit = 19; limit <= 40; ++limit) {
        const int size = TimeFontSizeFor("23:59", limit, sizes, FakeWidth);
        EXPECT_LE(FakeWidth("23:59", size), limit) << limit;
        if (size != sizes.front()) {
            EXPECT_GT(FakeWidth("23:59", size + 5), limit) << limit;  // no larger size fits
        }
    }
}

TEST(TimeFit, APlaceTooNarrowForEverySizeTakesTheSmallest) {
    EXPECT_EQ(TimeFontSizeFor("08:30", 5, TimeFontSizes(), FakeWidth), TimeFontSizes().back());
    EXPECT_EQ(TimeFontSizeFor("08:30", 5, {120, 90}, FakeWidth), 90);
}
