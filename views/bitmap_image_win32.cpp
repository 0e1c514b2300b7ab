#include "views/bitmap_image_win32.h"

#include "views/bitmap_to_region_win32.h"

bool BitmapImage::Load(int resourceId) {
    Release();
    HANDLE image = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                              IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    return image && Adopt(static_cast<HBITMAP>(image));
}

bool BitmapImage::CreateBlank(int width, int height) {
    Release();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return bitmap && Adopt(bitmap);
}

// Takes ownership of bitmap: reads its size and selects it into a new memory context.
bool BitmapImage::Adopt(HBITMAP bitmap) {
    BITMAP header{};
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!dc || !GetObjectA(bitmap, sizeof header, &header)) {
        if (dc) DeleteDC(dc);
        DeleteObject(bitmap);
        return false;
    }
    SelectObject(dc, bitmap);
    dc_ = dc;
    bitmap_ = bitmap;
    width_ = header.bmWidth;
    height_ = header.bmHeight;
    return true;
}

void BitmapImage::Draw(HDC target, int x, int y) const {
    if (dc_) BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

void BitmapImage::DrawPart(HDC target, int x, int y, int sourceX, int sourceY, int width,
                           int height) const {
    if (!dc_) return;
    BitBlt(target, x, y, width ? width : width_, height ? height : height_, dc_, sourceX, sourceY,
           SRCCOPY);
}

bool BitmapImage::MakeRegion(COLORREF key) {
    if (region_) DeleteObject(region_);
    region_ = BitmapToRegion(bitmap_, key);
    return region_ != nullptr;
}

void BitmapImage::Release() {
    if (dc_) DeleteDC(dc_);
    if (bitmap_) DeleteObject(bitmap_);
    if (region_) DeleteObject(region_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    region_ = nullptr;
    width_ = 0;
    height_ = 0;
}
