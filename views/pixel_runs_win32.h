// A window region from a bitmap: every pixel that is not the key colour belongs to it.
#pragma once

#include <windows.h>

// The region (the caller owns it), or null when the bitmap is null or its pixels cannot be
// read. A bitmap entirely of the key colour gives an empty region.
HRGN BitmapToRegion(HBITMAP bitmap, COLORREF key);
