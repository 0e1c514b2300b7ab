// The shape of a picture as rectangles: every maximal horizontal run of pixels that are not
// the key colour becomes a rectangle one pixel high. A window region made of these rectangles
// leaves the key-coloured pixels out (the holes of the panel's outline).
//
// Regions are built from batches of rectangles (the system call takes a bounded list), each
// batch with the bounds of its rectangles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Half-open: columns left .. right - 1, rows top .. bottom - 1.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// Pixels are 32-bit values 0x??RRGGBB, width per row; only the colour bits are compared, so an
// alpha byte never turns a key pixel into a solid one. bottomUp says that the first row in
// memory is the picture's bottom row (as GetDIBits delivers it). The runs come row by row from
// the picture's top, each row from the left.
std::vector<PixelRect> FindSolidRuns(const uint32_t* pixels, int width, int height, uint32_t key,
                                     bool bottomUp);

struct RunBatch {
    std::vector<PixelRect> rects;
    PixelRect bounds;  // the smallest rectangle holding them all
};

// Consecutive groups of at most batchSize runs, in order. No runs give no batches.
std::vector<RunBatch> BatchRuns(const std::vector<PixelRect>& runs, size_t batchSize);

// The key COLORREF (0x00BBGGRR) in the pixel order of 32-bit device-independent bitmaps
// (0x00RRGGBB).
uint32_t ColorRefToPixel(uint32_t colorRef);
