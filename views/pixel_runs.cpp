#include "views/pixel_runs.h"

#include <algorithm>

namespace {
constexpr uint32_t COLOUR_BITS = 0x00FFFFFF;
}

std::vector<PixelRect> FindSolidRuns(const uint32_t* pixels, int width, int height, uint32_t key,
                                     bool bottomUp) {
    std::vector<PixelRect> runs;
    if (!pixels || width <= 0 || height <= 0) return runs;
    key &= COLOUR_BITS;
    for (int y = 0; y < height; ++y) {
        int memoryRow = bottomUp ? height - 1 - y : y;
        const uint32_t* row = pixels + static_cast<size_t>(memoryRow) * static_cast<size_t>(width);
        int x = 0;
        while (x < width) {
            if ((row[x] & COLOUR_BITS) == key) {
                ++x;
                continue;
            }
            int start = x;
            while (x < width && (row[x] & COLOUR_BITS) != key) ++x;
            runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

std::vector<RunBatch> BatchRuns(const std::vector<PixelRect>& runs, size_t batchSize) {
    std::vector<RunBatch> batches;
    if (batchSize == 0) return batches;
    for (size_t first = 0; first < runs.size(); first += batchSize) {
        RunBatch batch;
        size_t end = std::min(runs.size(), first + batchSize);
        batch.rects.assign(runs.begin() + static_cast<std::ptrdiff_t>(first),
                           runs.begin() + static_cast<std::ptrdiff_t>(end));
        batch.bounds = batch.rects.front();
        for (const PixelRect& rect : batch.rects) {
            batch.bounds.left = std::min(batch.bounds.left, rect.left);
            batch.bounds.top = std::min(batch.bounds.top, rect.top);
            batch.bounds.right = std::max(batch.bounds.right, rect.right);
            batch.bounds.bottom = std::max(batch.bounds.bottom, rect.bottom);
        }
        batches.push_back(std::move(batch));
    }
    return batches;
}

uint32_t ColorRefToPixel(uint32_t colorRef) {
    uint32_t red = colorRef & 0xFF;
    uint32_t green = (colorRef >> 8) & 0xFF;
    uint32_t blue = (colorRef >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}
