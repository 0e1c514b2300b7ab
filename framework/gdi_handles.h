// Owners of the GDI and USER handles the program creates: each holder releases its handle the
// one right way when it goes, so no drawing path has to remember a DeleteObject or ReleaseDC.
#pragma once

#include <windows.h>

#include <utility>

// A handle released by Free; null (nothing to release) when empty.
template <typename Handle, BOOL(WINAPI* Free)(Handle)>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Releases the handle held and keeps the new one.
    void Reset(Handle handle = nullptr) {
        if (handle_) Free(handle_);
        handle_ = handle;
    }
    // Gives the handle up to the caller, who releases it from then on.
    Handle Release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

// GDI objects (pens, brushes, fonts, bitmaps, regions) all go with DeleteObject.
template <typename Object>
class OwnedGdiObject {
public:
    OwnedGdiObject() = default;
    explicit OwnedGdiObject(Object object) : object_(object) {}
    Object Get() const { return static_cast<Object>(object_.Get()); }
    explicit operator bool() const { return static_cast<bool>(object_); }
    void Reset(Object object = nullptr) { object_.Reset(object); }
    Object Release() { return static_cast<Object>(object_.Release()); }

private:
    OwnedHandle<HGDIOBJ, DeleteObject> object_;
};

using OwnedBrush = OwnedGdiObject<HBRUSH>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedBitmap = OwnedGdiObject<HBITMAP>;
using OwnedRegion = OwnedGdiObject<HRGN>;
using OwnedMemoryDc = OwnedHandle<HDC, DeleteDC>;
using OwnedCursor = OwnedHandle<HCURSOR, DestroyCursor>;
using OwnedIcon = OwnedHandle<HICON, DestroyIcon>;

// The device context of a window, released to it when the holder goes.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Fills the rectangle with one colour: a brush made, used and released.
inline void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour) {
    OwnedBrush brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &rect, brush.Get());
}
