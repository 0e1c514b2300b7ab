#include "views/news_sheet_win32.h"

#include "app/app_core.h"
#include "base/os.h"
#include "resources/resource.h"
#include "views/hand_cursor_win32.h"

using namespace Gdiplus::DllExports;

namespace {

constexpr int ADVERT_ICON_SIZE = 16;

ViewRect ToViewRect(const RECT& rect) {
    return ViewRect{rect.left, rect.top, rect.right, rect.bottom};
}

void FillRect(GpGraphics* graphics, const ViewRect& rect, COLORREF colour) {
    FillSolid(graphics, rect.left, rect.top, rect.Width(), rect.Height(), colour);
}

}  // namespace

NewsHolder::NewsHolder()
    : plainFont_(L"ＭＳ Ｐゴシック", 9.0f, FONT_REGULAR),
      linkFont_(L"ＭＳ Ｐゴシック", 9.0f, FONT_UNDERLINE),
      selectedFont_(L"ＭＳ Ｐゴシック", 9.0f, FONT_REGULAR) {
    advertIcon_.Reset(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_ADVERT_LINK), IMAGE_ICON,
                   ADVERT_ICON_SIZE, ADVERT_ICON_SIZE, LR_DEFAULTCOLOR)));
}

void NewsHolder::Layout() { sheet_.Layout(OriginX(), OriginY()); }

void NewsHolder::Draw(HDC dc) {
    if (!Visible()) return;
    NewsPicture picture;
    {
        // GDI+ defaults: this page draws without smoothing.
        ViewGraphics graphics(dc);
        GpGraphics* gp = graphics.Get();
        picture = sheet_.Picture(theCore.m_newsStore, theCore.m_newsPage, MeasureWith(gp));
        theCore.m_newsPage = picture.page;
        const ViewFont* fonts[] = {&plainFont_, &linkFont_, &selectedFont_};
        for (const TextBox& box : picture.texts) DrawTextBox(gp, box, fonts[box.font]->Get());
        DrawPageBox(gp, picture);
    }
    // The icon goes down with GDI once GDI+ has let go of the context.
    if (picture.advertIcon && advertIcon_) {
        DrawIconEx(dc, picture.advertIcon->left, picture.advertIcon->top, advertIcon_.Get(),
                   ADVERT_ICON_SIZE, ADVERT_ICON_SIZE, 0, nullptr, DI_NORMAL);
    }
}

TitleMeasure NewsHolder::MeasureWith(GpGraphics* graphics) const {
    GpFont* measureFont = linkFont_.Get();
    return [graphics, measureFont](const std::string& title, const ViewRect& box) {
        return ToViewRect(MeasureTextBox(graphics, title, ToRect(box), measureFont, 0, 0));
    };
}

void NewsHolder::PlaceItems() {
    if (!Visible()) return;
    const NewsStore& news = theCore.m_newsStore;
    if (sheet_.MeasuredFor(news)) {
        // Most placings (a page switch, a show) find the titles measured: no device context.
        theCore.m_newsPage = sheet_.Arrange(news, theCore.m_newsPage, TitleMeasure{});
        return;
    }
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    {
        ViewGraphics graphics(screen);
        theCore.m_newsPage = sheet_.Arrange(news, theCore.m_newsPage, MeasureWith(graphics.Get()));
    }
    ReleaseDC(nullptr, screen);
}

void NewsHolder::DrawPageBox(GpGraphics* graphics, const NewsPicture& picture) const {
    if (!graphics) return;
    FillRect(graphics, picture.pageBoxFrame, NewsSheet::PAGE_BOX_COLOUR);
    FillRect(graphics, picture.pageBoxInside, RGB(0, 0, 0));
    DrawTextBox(graphics, picture.pageNumber, plainFont_.Get());
}

bool NewsHolder::HitTest(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return sheet_.HitTest(point.x, point.y);
}

bool NewsHolder::OnMouseMove(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return Follow(sheet_.MouseMove(point.x, point.y));
}

bool NewsHolder::OnLButtonDown(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return Follow(sheet_.ButtonDown(point.x, point.y));
}

bool NewsHolder::OnLButtonUp(int screenX, int screenY) {
    if (!Visible()) return false;
    POINT point = ToPanelClient(screenX, screenY);
    return Follow(sheet_.ButtonUp(point.x, point.y));
}

bool NewsHolder::Follow(const NewsPointerResult& result) const {
    if (result.handCursor) ShowHandCursor();
    if (!result.videoAddress.empty()) Os().OpenWithShell(result.videoAddress, "");
    return result.repaint;
}
