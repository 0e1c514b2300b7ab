#include "views/bitmap_image_win32.h"

#include "views/pixel_runs_win32.h"

#include <utility>

bool BitmapImage::Load(int resourceId) {
    Release();
    HANDLE image = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP,
                              0, 0, LR_DEFAULTCOLOR);
    return image && Adopt(static_cast<HBITMAP>(image));
}

bool BitmapImage::CreateBlank(int width, int height) {
    Release();
    HBITMAP bitmap = CreateCompatibleBitmap(WindowDc(nullptr).Get(), width, height);
    return bitmap && Adopt(bitmap);
}

// Takes ownership of bitmap: reads its size and selects it into a new memory context.
bool BitmapImage::Adopt(HBITMAP bitmap) {
    BITMAP header{};
    OwnedBitmap owned(bitmap);
    OwnedMemoryDc dc(CreateCompatibleDC(WindowDc(nullptr).Get()));
    if (!dc || !GetObjectA(bitmap, sizeof header, &header)) return false;
    SelectObject(dc.Get(), bitmap);
    bitmap_ = std::move(owned);
    dc_ = std::move(dc);
    width_ = header.bmWidth;
    height_ = header.bmHeight;
    return true;
}

void BitmapImage::Draw(HDC target, int x, int y) const {
    if (dc_) BitBlt(target, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
}

void BitmapImage::DrawPart(HDC target, int x, int y, int sourceX, int sourceY, int width,
                           int height) const {
    if (!dc_) return;
    BitBlt(target, x, y, width ? width : width_, height ? height : height_, dc_.Get(), sourceX,
           sourceY, SRCCOPY);
}

bool BitmapImage::MakeRegion(COLORREF key) {
    region_.Reset(BitmapToRegion(bitmap_.Get(), key));
    return static_cast<bool>(region_);
}

void BitmapImage::Release() {
    dc_.Reset();
    bitmap_.Reset();
    region_.Reset();
    width_ = 0;
    height_ = 0;
}
