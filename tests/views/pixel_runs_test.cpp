#include "views/pixel_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint32_t WHITE = 0x00FFFFFF;
constexpr uint32_t SLATE = 0x00202830;

// A picture from rows of text, top row first: '.' is the key colour white, anything else solid.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> topDown;

    explicit Picture(const std::vector<std::string>& rows)
        : width(static_cast<int>(rows.front().size())), height(static_cast<int>(rows.size())) {
        for (const std::string& row : rows) {
            for (char c : row) topDown.push_back(c == '.' ? WHITE : SLATE);
        }
    }

    std::vector<uint32_t> BottomUp() const {
        std::vector<uint32_t> memory;
        for (int y = height - 1; y >= 0; --y) {
            memory.insert(memory.end(), topDown.begin() + y * width,
                          topDown.begin() + (y + 1) * width);
        }
        return memory;
    }
};

// Marks every pixel the rectangles cover; a pixel covered twice is counted twice.
std::vector<int> Coverage(const std::vector<RunBatch>& batches, int width, int height) {
    std::vector<int> covered(static_cast<size_t>(width * height), 0);
    for (const RunBatch& batch : batches) {
        for (const PixelRect& rect : batch.rects) {
            for (int y = rect.top; y < rect.bottom; ++y) {
                for (int x = rect.left; x < rect.right; ++x)
                    ++covered[static_cast<size_t>(y * width + x)];
            }
        }
    }
    return covered;
}

// The panel's kind of background: rounded corners of the given radius cut out in white.
Picture RoundedPanel(int width, int height, int radius) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            int dx = x < radius ? radius - x : (x >= width - radius ? x - (width - radius - 1) : 0);
            int dy =
                y < radius ? radius - y : (y >= height - radius ? y - (height - radius - 1) : 0);
            row += dx * dx + dy * dy > radius * radius ? '.' : '#';
        }
        rows.push_back(row);
    }
    return Picture(rows);
}

TEST(PixelRunsTest, EachRowGivesItsMaximalSolidRunsFromTheLeft) {
    Picture picture({
        ".####.",
        "##.#.#",
        "######",
        "......",
    });
    std::vector<PixelRect> runs =
        FindSolidRuns(picture.topDown.data(), picture.width, picture.height, WHITE, false);
    std::vector<PixelRect> expected = {
        {1, 0, 5, 1}, {0, 1, 2, 2}, {3, 1, 4, 2}, {5, 1, 6, 2}, {0, 2, 6, 3},
    };
    EXPECT_EQ(runs, expected);
}

TEST(PixelRunsTest, BottomUpMemoryGivesTheSameRunsAsTopDown) {
    Picture picture({
        "#.....",
        "##....",
        "###...",
    });
    std::vector<uint32_t> memory = picture.BottomUp();
    std::vector<PixelRect> fromBottomUp =
        FindSolidRuns(memory.data(), picture.width, picture.height, WHITE, true);
    std::vector<PixelRect> expected = {{0, 0, 1, 1}, {0, 1, 2, 2}, {0, 2, 3, 3}};
    EXPECT_EQ(fromBottomUp, expected);
}

TEST(PixelRunsTest, AllKeyGivesNothingAndNoKeyGivesFullRows) {
    Picture holes({"...", "..."});
    EXPECT_TRUE(FindSolidRuns(holes.topDown.data(), 3, 2, WHITE, false).empty());

    Picture solid({"###", "###"});
    std::vector<PixelRect> expected = {{0, 0, 3, 1}, {0, 1, 3, 2}};
    EXPECT_EQ(FindSolidRuns(solid.topDown.data(), 3, 2, WHITE, false), expected);

    EXPECT_TRUE(FindSolidRuns(nullptr, 3, 2, WHITE, false).empty());
    EXPECT_TRUE(FindSolidRuns(solid.topDown.data(), 0, 2, WHITE, false).empty());
}

TEST(PixelRunsTest, OnlyTheColourBitsDecideWhatIsKey) {
    // A white pixel with an alpha byte is still a hole; a near-white pixel is solid.
    std::vector<uint32_t> row = {0xFF000000 | WHITE, 0x00FFFFFE, WHITE};
    std::vector<PixelRect> expected = {{1, 0, 2, 1}};
    EXPECT_EQ(FindSolidRuns(row.data(), 3, 1, 0xFF000000 | WHITE, false), expected);
    EXPECT_EQ(FindSolidRuns(row.data(), 3, 1, WHITE, false), expected);
}

TEST(PixelRunsTest, KeyColourRefIsRearrangedToPixelOrder) {
    EXPECT_EQ(ColorRefToPixel(0x00FFFFFF), 0x00FFFFFFu);
    EXPECT_EQ(ColorRefToPixel(0x000000FF), 0x00FF0000u);  // red
    EXPECT_EQ(ColorRefToPixel(0x00FF0000), 0x000000FFu);  // blue
    EXPECT_EQ(ColorRefToPixel(0x00123456), 0x00563412u);
}

TEST(PixelRunsTest, BatchesKeepOrderAndSizeAndBoundTheirRects) {
    std::vector<PixelRect> runs;
    for (int y = 0; y < 450; ++y) runs.push_back({y % 7, y, 10 + y % 13, y + 1});
    std::vector<RunBatch> batches = BatchRuns(runs, 200);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].rects.size(), 200u);
    EXPECT_EQ(batches[1].rects.size(), 200u);
    EXPECT_EQ(batches[2].rects.size(), 50u);

    std::vector<PixelRect> joined;
    for (const RunBatch& batch : batches) {
        joined.insert(joined.end(), batch.rects.begin(), batch.rects.end());
        for (const PixelRect& rect : batch.rects) {
            EXPECT_LE(batch.bounds.left, rect.left);
            EXPECT_LE(batch.bounds.top, rect.top);
            EXPECT_GE(batch.bounds.right, rect.right);
            EXPECT_GE(batch.bounds.bottom, rect.bottom);
        }
    }
    EXPECT_EQ(joined, runs);
    EXPECT_EQ(batches[1].bounds, (PixelRect{0, 200, 22, 400}));
    EXPECT_TRUE(BatchRuns({}, 200).empty());
}

TEST(PixelRunsTest, PanelBackgroundNeedsSeveralBatchesWhoseUnionIsExactlyTheSolidPixels) {
    Picture panel = RoundedPanel(240, 534, 11);
    // A few holes inside as well, so that rows split into several runs.
    for (int y = 100; y < 110; ++y) panel.topDown[static_cast<size_t>(y * 240 + 120)] = WHITE;
    std::vector<uint32_t> memory = panel.BottomUp();
    std::vector<RunBatch> batches =
        BatchRuns(FindSolidRuns(memory.data(), 240, 534, WHITE, true), 200);
    EXPECT_GT(batches.size(), 1u);

    std::vector<int> covered = Coverage(batches, 240, 534);
    for (size_t i = 0; i < covered.size(); ++i) {
        ASSERT_EQ(covered[i], panel.topDown[i] == WHITE ? 0 : 1)
            << "pixel " << i % 240 << "," << i / 240;
    }
}

}  // namespace
