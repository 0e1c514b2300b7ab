// The GDI+ objects the views own: fonts made once with the view, and the graphics object and
// solid brushes each drawing makes on the panel's back buffer. Each wrapper releases its object.
#pragma once

#include <windows.h>

#include <gdiplus.h>

using Gdiplus::GpFont;
using Gdiplus::GpGraphics;
using Gdiplus::GpSolidFill;

enum ViewFontStyle { FONT_REGULAR = 0, FONT_BOLD = 1, FONT_BOLD_ITALIC = 3, FONT_UNDERLINE = 4 };

class ViewFont {
public:
    // family: UTF-16 family name. When the family is not installed, or lacks the style, the
    // system's generic sans-serif family stands in, and failing that any installed family.
    ViewFont(const wchar_t* family, float points, int style);
    ~ViewFont();
    ViewFont(const ViewFont&) = delete;
    ViewFont& operator=(const ViewFont&) = delete;

    GpFont* Get() const { return font_; }

private:
    GpFont* font_ = nullptr;
};

class ViewGraphics {
public:
    explicit ViewGraphics(HDC dc);
    ~ViewGraphics();
    ViewGraphics(const ViewGraphics&) = delete;
    ViewGraphics& operator=(const ViewGraphics&) = delete;

    GpGraphics* Get() const { return graphics_; }
    // Anti-aliased shapes and text, as the views draw by default.
    void Smooth() const;
    // The system's own text rendering from here on.
    void SystemText() const;

private:
    GpGraphics* graphics_ = nullptr;
};

// A solid brush of one opaque colour.
class ViewBrush {
public:
    explicit ViewBrush(COLORREF colour);
    ~ViewBrush();
    ViewBrush(const ViewBrush&) = delete;
    ViewBrush& operator=(const ViewBrush&) = delete;

    // nullptr when GDI+ made none; draw nothing then.
    GpSolidFill* Get() const { return brush_; }

private:
    GpSolidFill* brush_ = nullptr;
};

// Fills the rectangle (left, top, width, height) with one opaque colour.
void FillSolid(GpGraphics* graphics, int left, int top, int width, int height, COLORREF colour);
