#include "views/html_pane_win32.h"

#include "base/byte_text.h"
#include "base/os.h"
#include "resources/resource.h"
#include "store/local_files.h"
#include "views/browser_feature_controls_win32.h"
#include "views/html_page.h"
#include "views/html_plain_text.h"

using namespace Gdiplus::DllExports;

namespace {

// As far from the edges as the page's own margin.
constexpr int TEXT_MARGIN = 4;
constexpr COLORREF TEXT_COLOUR = RGB(255, 255, 255);

std::wstring Utf16Of(const std::string& text) {
    int length = MultiByteToWideChar(932, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}  // namespace

CHtmlPane::CHtmlPane() : font_(L"ＭＳ Ｐゴシック", 9.0f, FONT_REGULAR) {}

void CHtmlPane::Create(CWnd* panel) {
    panel_ = panel->GetSafeHwnd();
    // A first start has no page yet; an empty one spares the browser an error page.
    if (!Os().PathExists(PageFilePath())) WriteHtmlPage(BuildHtmlPage(""));
    EnableBrowserFeatureControls();
    bool bound = browser_.Create(IDC_HTML_PANE, panel, PageUrl());
    bool navigated = bound && browser_.NavigateToPage();
    if (browser_.GetSafeHwnd()) browser_.ModifyStyle(WS_BORDER, 0);
    readiness_.Navigated(navigated, Os().Now());
    if (!bound)
        Os().Trace("HTML pane: no browser control; the bodies are drawn as plain text");
    else if (!navigated)
        Os().Trace(
            "HTML pane: the browser control refused the page file; the bodies are drawn "
            "as plain text");
    PutControl();
}

void CHtmlPane::MoveTo(const ViewRect& rect) {
    InvalidateArea();
    rect_ = rect;
    PutControl();
    InvalidateArea();
}

void CHtmlPane::Rebuild(const std::string& body) {
    WriteHtmlPage(BuildHtmlPage(body));
    plainText_ = HtmlToPlainText(body);
    if (ShowsPlainText()) InvalidateArea();
    Reload();
}

void CHtmlPane::Reload() {
    // A control that has not completed a page yet is refreshed too: the rewritten page may be
    // the load it completes.
    if (readiness_.State() != BrowserState::Failed) browser_.Refresh();
}

void CHtmlPane::Poll() {
    bool wasLate = readiness_.State() == BrowserState::Late;
    if (!readiness_.Observe(browser_.LoadComplete(), Os().Now())) return;
    if (readiness_.State() == BrowserState::Late)
        Os().Trace(
            FormatText("HTML pane: the browser control did not load the page within %d s; "
                       "the bodies are drawn as plain text until it completes a page",
                       static_cast<int>(BrowserReadiness::PATIENCE_SECONDS)));
    else if (wasLate)
        Os().Trace("HTML pane: the browser control completed a page; it shows the bodies again");
    // A control that comes back covers the plain text; one that leaves uncovers its place.
    PutControl();
    InvalidateArea();
}

void CHtmlPane::PutControl() const {
    if (!browser_.GetSafeHwnd()) return;
    const ViewRect& place = ShowsPlainText() ? OUT_OF_SIGHT : rect_;
    browser_.MoveWindow(place.left, place.top, place.Width(), place.Height(), true);
}

void CHtmlPane::InvalidateArea() const {
    if (!panel_ || !ShowsPlainText()) return;
    RECT area{rect_.left, rect_.top, rect_.right, rect_.bottom};
    InvalidateRect(panel_, &area, FALSE);
}

void CHtmlPane::Draw(HDC dc) const {
    if (!ShowsPlainText() || plainText_.empty()) return;
    ViewGraphics graphics(dc);
    if (!graphics.Get() || !font_.Get()) return;
    graphics.Smooth();
    std::wstring text = Utf16Of(plainText_);
    // Wrapped at the width and cut off at the bottom of the pane.
    Gdiplus::RectF layout(static_cast<float>(rect_.left + TEXT_MARGIN),
                          static_cast<float>(rect_.top + TEXT_MARGIN),
                          static_cast<float>(rect_.Width() - 2 * TEXT_MARGIN),
                          static_cast<float>(rect_.Height() - 2 * TEXT_MARGIN));
    ViewBrush brush(TEXT_COLOUR);
    if (!brush.Get()) return;
    GdipDrawString(graphics.Get(), text.c_str(), static_cast<INT>(text.size()), font_.Get(),
                   &layout, nullptr, brush.Get());
}
