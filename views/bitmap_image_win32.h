// BitmapImage: a bitmap selected into a memory device context, ready to be copied onto
// windows, and optionally the window region made from it. The object owns the context, the
// bitmap and the region and releases them in Release or when it is destroyed.
#pragma once

#include <windows.h>

#include "framework/gdi_handles.h"

class BitmapImage {
public:
    BitmapImage() = default;
    ~BitmapImage() { Release(); }
    BitmapImage(const BitmapImage&) = delete;
    BitmapImage& operator=(const BitmapImage&) = delete;

    // The bitmap resource of the program; false (and the image empty) when it cannot be loaded.
    bool Load(int resourceId);
    // An uninitialised bitmap of that size, compatible with the screen.
    bool CreateBlank(int width, int height);
    // Copies the whole image to (x, y) of target.
    void Draw(HDC target, int x, int y) const;
    // Copies a part; a width or height of 0 means the image's full width or height.
    void DrawPart(HDC target, int x, int y, int sourceX, int sourceY, int width, int height) const;
    // Region() becomes the shape of the pixels that are not the key colour (null on failure).
    bool MakeRegion(COLORREF key);
    void Release();

    bool Empty() const { return !dc_; }
    HDC Dc() const { return dc_.Get(); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    HRGN Region() const { return region_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    bool Adopt(HBITMAP bitmap);

    // The bitmap is declared first so that it outlives the context it is selected into.
    OwnedBitmap bitmap_;
    OwnedMemoryDc dc_;
    int width_ = 0;
    int height_ = 0;
    OwnedRegion region_;
};
