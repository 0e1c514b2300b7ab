// XHolderWnd: the base of the panel's page views. A view is not a window: it paints itself onto
// the panel's back buffer and answers the mouse questions the panel puts to it. It keeps its
// place on the panel and its visibility, and shows and hides the real child windows that belong
// to it (buttons, the indicator list; it does not own them).
//
// Rectangles are panel-client pixels; mouse points arrive in screen pixels and are taken into
// the client area of the panel it was placed on. A hidden view neither draws nor reacts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "views/gdiplus_objects_win32.h"
#include "views/text_box.h"

class CWnd;

class XHolderWnd {
public:
    XHolderWnd() = default;
    virtual ~XHolderWnd() = default;
    XHolderWnd(const XHolderWnd&) = delete;
    XHolderWnd& operator=(const XHolderWnd&) = delete;

    // Recomputes the view's rectangles from its origin and forgets its mouse state.
    virtual void Layout() {}
    virtual void Draw(HDC) {}
    // The screen point lies on something clickable (the panel is not dragged from there).
    virtual bool HitTest(int, int) { return false; }
    // The mouse handlers return true when the view must be repainted (its Bounds()).
    virtual bool OnMouseMove(int, int) { return false; }
    virtual bool OnLButtonDown(int, int) { return false; }
    virtual bool OnLButtonUp(int, int) { return false; }

    // Puts the view at (x, y) of the panel window with that size, lays it out, and shows it
    // when visible is true.
    void Place(HWND panel, int x, int y, int width, int height, bool visible);
    // Moves the view by (dx, dy) and lays it out again (the list view when the calendar folds).
    void MoveBy(int dx, int dy);
    void Show();
    void Hide();
    void AddChild(CWnd* child);

    bool Visible() const { return visible_; }
    // What the panel repaints when the view asks for it.
    const RECT& Bounds() const { return bounds_; }
    int OriginX() const { return originX_; }
    int OriginY() const { return originY_; }

    // The text (CP932, up to its first NUL) in one line in the rectangle moved down by dy,
    // aligned by align (0 near, 1 centre, 2 far, anything else centre), in an opaque colour
    // (COLORREF). With ellipsis a text too long for the rectangle ends in "…" inside it. With
    // wrap it takes as many lines of the rectangle's width as it needs, exactly as
    // MeasureTextBox lays it out.
    static void DrawTextBox(GpGraphics* graphics, const std::string& text, const RECT& rect,
                            COLORREF colour, GpFont* font, int dy, int align, bool ellipsis = false,
                            bool wrap = false);
    static void DrawTextBox(GpGraphics* graphics, const TextBox& box, GpFont* font);
    // Where that text would lie, wrapped to the rectangle's width: the box GDI+ measures.
    static RECT MeasureTextBox(GpGraphics* graphics, const std::string& text, const RECT& rect,
                               GpFont* font, int dy, int align);
    // The width in whole pixels of the text in one line, as it is drawn; 0 when it cannot be
    // measured.
    static int MeasureTextWidth(GpGraphics* graphics, const std::string& text, GpFont* font);

protected:
    // rect := (0, 0, w, h) moved by (dx, dy) plus the origin; the offsets of a layout are
    // relative to the view.
    void OffsetByOrigin(RECT& rect, int dx, int dy) const;
    // The screen point in the panel's client pixels.
    POINT ToPanelClient(int screenX, int screenY) const;

private:
    bool visible_ = false;
    HWND panel_ = nullptr;
    std::vector<CWnd*> children_;
    int originX_ = 0;
    int originY_ = 0;
    int width_ = 0;
    int height_ = 0;
    RECT bounds_{};
};

inline RECT ToRect(const ViewRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}
