#include "views/gdiplus_objects_win32.h"

#include <vector>

using namespace Gdiplus::DllExports;

namespace {

Gdiplus::GpFont* CreateFontOf(Gdiplus::GpFontFamily* family, float points, int style) {
    Gdiplus::GpFont* font = nullptr;
    if (GdipCreateFont(family, points, style, Gdiplus::UnitPoint, &font) != Gdiplus::Ok) {
        return nullptr;
    }
    return font;
}

// The font of the named family; null when the family is missing or lacks the style.
Gdiplus::GpFont* CreateNamedFont(const wchar_t* name, float points, int style) {
    Gdiplus::GpFontFamily* family = nullptr;
    if (GdipCreateFontFamilyFromName(name, nullptr, &family) != Gdiplus::Ok) return nullptr;
    Gdiplus::GpFont* font = CreateFontOf(family, points, style);
    // The font keeps what it needs of the family.
    GdipDeleteFontFamily(family);
    return font;
}

Gdiplus::GpFont* CreateSansSerifFont(float points, int style) {
    Gdiplus::GpFontFamily* family = nullptr;
    if (GdipGetGenericFontFamilySansSerif(&family) != Gdiplus::Ok) return nullptr;
    Gdiplus::GpFont* font = CreateFontOf(family, points, style);
    GdipDeleteFontFamily(family);
    return font;
}

// The first installed family that has the style. Windows always has the generic sans-serif
// family, but a bare Wine prefix may lack it too, and a view without a font would draw nothing.
Gdiplus::GpFont* CreateAnyInstalledFont(float points, int style) {
    Gdiplus::GpFontCollection* installed = nullptr;
    INT count = 0;
    if (GdipNewInstalledFontCollection(&installed) != Gdiplus::Ok ||
        GdipGetFontCollectionFamilyCount(installed, &count) != Gdiplus::Ok || count <= 0) {
        return nullptr;
    }
    std::vector<Gdiplus::GpFontFamily*> families(static_cast<size_t>(count));
    INT found = 0;
    // The families belong to the collection, which belongs to GDI+.
    GdipGetFontCollectionFamilyList(installed, count, families.data(), &found);
    for (INT i = 0; i < found; ++i) {
        if (Gdiplus::GpFont* font = CreateFontOf(families[static_cast<size_t>(i)], points, style)) {
            return font;
        }
    }
    return nullptr;
}

}  // namespace

ViewFont::ViewFont(const wchar_t* family, float points, int style) {
    font_ = CreateNamedFont(family, points, style);
    if (!font_) font_ = CreateSansSerifFont(points, style);
    if (!font_) font_ = CreateAnyInstalledFont(points, style);
}

ViewFont::~ViewFont() {
    if (font_) GdipDeleteFont(font_);
}

ViewGraphics::ViewGraphics(HDC dc) {
    if (GdipCreateFromHDC(dc, &graphics_) != Gdiplus::Ok) graphics_ = nullptr;
}

ViewGraphics::~ViewGraphics() {
    if (graphics_) GdipDeleteGraphics(graphics_);
}

ViewBrush::ViewBrush(COLORREF colour) {
    const Gdiplus::ARGB opaque = 0xFF000000u | static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16 |
                                 static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8 |
                                 GetBValue(colour);
    if (GdipCreateSolidFill(opaque, &brush_) != Gdiplus::Ok) brush_ = nullptr;
}

ViewBrush::~ViewBrush() {
    if (brush_) GdipDeleteBrush(brush_);
}

void FillSolid(GpGraphics* graphics, int left, int top, int width, int height, COLORREF colour) {
    ViewBrush brush(colour);
    if (brush.Get()) GdipFillRectangleI(graphics, brush.Get(), left, top, width, height);
}

void ViewGraphics::Smooth() const {
    if (!graphics_) return;
    GdipSetSmoothingMode(graphics_, Gdiplus::SmoothingModeAntiAlias);
    GdipSetTextRenderingHint(graphics_, Gdiplus::TextRenderingHintAntiAlias);
}

void ViewGraphics::SystemText() const {
    if (graphics_) GdipSetTextRenderingHint(graphics_, Gdiplus::TextRenderingHintSystemDefault);
}
