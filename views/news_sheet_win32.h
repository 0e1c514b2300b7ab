// NewsHolder: the news page. Five news items a page, newest first, each with its date and its
// title; the chosen item is expanded and the HTML pane shows its body below its title (the
// panel places the pane on BodyRect after PlaceItems). An expanded advert has an icon that opens
// its video in the default browser. The page box at the bottom reads "page/pages"; the page
// buttons are its children.
#pragma once

#include "framework/gdi_handles.h"
#include "views/holder_wnd_win32.h"
#include "views/news_sheet.h"

class NewsHolder : public XHolderWnd {
public:
    NewsHolder();

    void Layout() override;
    void Draw(HDC dc) override;
    bool HitTest(int screenX, int screenY) override;
    bool OnMouseMove(int screenX, int screenY) override;
    bool OnLButtonDown(int screenX, int screenY) override;
    // True when a title was chosen: the panel repaints the view and rebuilds the HTML pane.
    bool OnLButtonUp(int screenX, int screenY) override;

    // Arranges the page as the next paint will draw it, so BodyRect and the page count are right
    // even when no paint comes (the panel may be hidden when news arrives).
    void PlaceItems();

    // The chosen item, its body's place and the page logic's view of the sheet.
    NewsSheet& Sheet() { return sheet_; }

private:
    bool Follow(const NewsPointerResult& result) const;
    TitleMeasure MeasureWith(GpGraphics* graphics) const;
    void DrawPageBox(GpGraphics* graphics, const NewsPicture& picture) const;

    NewsSheet sheet_;
    ViewFont plainFont_;
    ViewFont linkFont_;
    ViewFont selectedFont_;
    OwnedIcon advertIcon_;
};
