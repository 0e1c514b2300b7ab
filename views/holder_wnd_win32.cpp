#include "views/holder_wnd_win32.h"

#include <algorithm>
#include <cmath>

#include "framework/wnd.h"

using namespace Gdiplus::DllExports;

namespace {

constexpr int STRING_FORMAT_NO_WRAP = 0x1000;

// UTF-16 of the CP932 text up to its first NUL.
std::wstring Utf16Of(const std::string& text) {
    const char* bytes = text.c_str();
    int length = MultiByteToWideChar(932, 0, bytes, -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, bytes, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

Gdiplus::StringAlignment AlignmentOf(int align) {
    if (align == 0) return Gdiplus::StringAlignmentNear;
    if (align == 2) return Gdiplus::StringAlignmentFar;
    return Gdiplus::StringAlignmentCenter;
}

// A string format for one text box; released with the object.
class TextFormat {
public:
    TextFormat(int align, bool noWrap, bool ellipsis = false) {
        if (GdipCreateStringFormat(0, 0, &format_) != Gdiplus::Ok) {
            format_ = nullptr;
            return;
        }
        GdipSetStringFormatAlign(format_, AlignmentOf(align));
        if (noWrap) GdipSetStringFormatFlags(format_, STRING_FORMAT_NO_WRAP);
        // A text whose measure, padding included, is a pixel wider than its box still shows
        // whole: fonts that stand in for the intended ones (synthesised bold on Wine) run a
        // little wider, and character trimming would drop the last letter ("SU" for "SUN").
        // What really overflows is still clipped at the box.
        // A text marked for it may really not fit (the title beside the clock): it is shortened
        // with an ellipsis inside its box.
        GdipSetStringFormatTrimming(format_, ellipsis ? Gdiplus::StringTrimmingEllipsisCharacter
                                                      : Gdiplus::StringTrimmingNone);
    }
    ~TextFormat() {
        if (format_) GdipDeleteStringFormat(format_);
    }
    TextFormat(const TextFormat&) = delete;
    TextFormat& operator=(const TextFormat&) = delete;

    Gdiplus::GpStringFormat* Get() const { return format_; }

private:
    Gdiplus::GpStringFormat* format_ = nullptr;
};

Gdiplus::RectF LayoutRect(const RECT& rect, int dy) {
    return Gdiplus::RectF(static_cast<float>(rect.left), static_cast<float>(rect.top + dy),
                          static_cast<float>(rect.right - rect.left),
                          static_cast<float>(rect.bottom - rect.top));
}

}  // namespace

void XHolderWnd::Place(HWND panel, int x, int y, int width, int height, bool visible) {
    panel_ = panel;
    originX_ = x;
    originY_ = y;
    width_ = width;
    height_ = height;
    visible_ = visible;
    bounds_ = RECT{x, y, x + width, y + height};
    Layout();
    if (visible) Show();
}

void XHolderWnd::MoveBy(int dx, int dy) {
    originX_ += dx;
    originY_ += dy;
    OffsetRect(&bounds_, dx, dy);
    Layout();
}

void XHolderWnd::Show() {
    visible_ = true;
    for (CWnd* child : children_) child->ShowWindow(SW_SHOW);
}

void XHolderWnd::Hide() {
    visible_ = false;
    for (CWnd* child : children_) child->ShowWindow(SW_HIDE);
}

void XHolderWnd::AddChild(CWnd* child) {
    if (child && std::find(children_.begin(), children_.end(), child) == children_.end()) {
        children_.push_back(child);
    }
}

void XHolderWnd::OffsetByOrigin(RECT& rect, int dx, int dy) const {
    OffsetRect(&rect, dx + originX_, dy + originY_);
}

POINT XHolderWnd::ToPanelClient(int screenX, int screenY) const {
    POINT point{screenX, screenY};
    ScreenToClient(panel_, &point);
    return point;
}

void XHolderWnd::DrawTextBox(GpGraphics* graphics, const std::string& text, const RECT& rect,
                             COLORREF colour, GpFont* font, int dy, int align, bool ellipsis,
                             bool wrap) {
    if (!graphics || !font) return;
    TextFormat format(align, !wrap, ellipsis);
    std::wstring wide = Utf16Of(text);
    Gdiplus::RectF layout = LayoutRect(rect, dy);
    ViewBrush brush(colour);
    if (!brush.Get()) return;
    GdipDrawString(graphics, wide.c_str(), static_cast<INT>(wide.size()), font, &layout,
                   format.Get(), brush.Get());
}

void XHolderWnd::DrawTextBox(GpGraphics* graphics, const TextBox& box, GpFont* font) {
    DrawTextBox(graphics, box.text, ToRect(box.rect), box.colour, font, box.dy,
                static_cast<int>(box.align), box.ellipsis, box.wrap);
}

RECT XHolderWnd::MeasureTextBox(GpGraphics* graphics, const std::string& text, const RECT& rect,
                                GpFont* font, int dy, int align) {
    RECT measured{};
    if (!graphics || !font) return measured;
    // The format of a wrapped DrawTextBox, so that the text is drawn as it was measured.
    TextFormat format(align, false);
    std::wstring wide = Utf16Of(text);
    Gdiplus::RectF layout = LayoutRect(rect, dy);
    Gdiplus::RectF box;
    if (GdipMeasureString(graphics, wide.c_str(), static_cast<INT>(wide.size()), font, &layout,
                          format.Get(), &box, nullptr, nullptr) != Gdiplus::Ok) {
        return measured;
    }
    measured.left = static_cast<LONG>(box.X);
    measured.top = static_cast<LONG>(box.Y);
    measured.right = static_cast<LONG>(box.X + box.Width);
    measured.bottom = static_cast<LONG>(box.Y + box.Height);
    return measured;
}

int XHolderWnd::MeasureTextWidth(GpGraphics* graphics, const std::string& text, GpFont* font) {
    if (!graphics || !font) return 0;
    constexpr float UNBOUNDED = 100000.0f;
    TextFormat format(0, true);
    std::wstring wide = Utf16Of(text);
    Gdiplus::RectF layout(0.0f, 0.0f, UNBOUNDED, UNBOUNDED);
    Gdiplus::RectF box;
    if (GdipMeasureString(graphics, wide.c_str(), static_cast<INT>(wide.size()), font, &layout,
                          format.Get(), &box, nullptr, nullptr) != Gdiplus::Ok) {
        return 0;
    }
    return static_cast<int>(std::ceil(box.Width));
}
