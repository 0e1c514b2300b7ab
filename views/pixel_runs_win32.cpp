#include "views/pixel_runs_win32.h"

#include <vector>

#include "framework/gdi_handles.h"
#include "views/pixel_runs.h"

namespace {

// ExtCreateRegion takes a bounded list of rectangles; bigger shapes are joined from batches.
constexpr size_t RECTS_PER_BATCH = 200;

struct Pixels {
    std::vector<uint32_t> copy;
    const uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
    bool bottomUp = true;
};

// A 32-bit DIB section is read in place; anything else is converted by GetDIBits into a copy
// (reading another layout as 32-bit values would run past the end of its memory).
bool ReadPixels(HBITMAP bitmap, Pixels& pixels) {
    DIBSECTION section{};
    if (GetObjectA(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBits &&
        section.dsBmih.biBitCount == 32 && section.dsBmih.biCompression == BI_RGB) {
        pixels.data = static_cast<const uint32_t*>(section.dsBm.bmBits);
        pixels.width = section.dsBm.bmWidth;
        pixels.height = section.dsBm.bmHeight;
        pixels.bottomUp = section.dsBmih.biHeight > 0;
        return pixels.width > 0 && pixels.height > 0;
    }
    BITMAP header{};
    if (!GetObjectA(bitmap, sizeof header, &header) || header.bmWidth <= 0 ||
        header.bmHeight <= 0) {
        return false;
    }
    pixels.width = header.bmWidth;
    pixels.height = header.bmHeight;
    pixels.copy.resize(static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = pixels.width;
    format.bmiHeader.biHeight = pixels.height;  // bottom-up rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    int rows = GetDIBits(WindowDc(nullptr).Get(), bitmap, 0, static_cast<UINT>(pixels.height),
                         pixels.copy.data(), &format, DIB_RGB_COLORS);
    if (rows != pixels.height) return false;
    pixels.data = pixels.copy.data();
    pixels.bottomUp = true;
    return true;
}

HRGN RegionOfBatch(const RunBatch& batch) {
    std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + batch.rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(batch.rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(batch.rects.size() * sizeof(RECT));
    data->rdh.rcBound = {batch.bounds.left, batch.bounds.top, batch.bounds.right,
                         batch.bounds.bottom};
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < batch.rects.size(); ++i) {
        const PixelRect& run = batch.rects[i];
        rects[i] = {run.left, run.top, run.right, run.bottom};
    }
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN BitmapToRegion(HBITMAP bitmap, COLORREF key) {
    if (!bitmap) return nullptr;
    Pixels pixels;
    if (!ReadPixels(bitmap, pixels)) return nullptr;
    std::vector<PixelRect> runs = FindSolidRuns(pixels.data, pixels.width, pixels.height,
                                                ColorRefToPixel(key), pixels.bottomUp);
    OwnedRegion result(CreateRectRgn(0, 0, 0, 0));
    if (!result) return nullptr;
    for (const RunBatch& batch : BatchRuns(runs, RECTS_PER_BATCH)) {
        OwnedRegion part(RegionOfBatch(batch));
        // A region missing a batch would give the window a wrong outline: none is better.
        if (!part) return nullptr;
        CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR);
    }
    return result.Release();
}
