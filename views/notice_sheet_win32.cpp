#include "views/notice_sheet_win32.h"

#include "app/app_core.h"

EtcHolder::EtcHolder()
    : headingFont_(L"ＭＳ Ｐゴシック", 11.0f, FONT_BOLD),
      dateFont_(L"ＭＳ Ｐゴシック", 9.0f, FONT_REGULAR) {}

void EtcHolder::Layout() { sheet_.Layout(OriginX(), OriginY()); }

void EtcHolder::Draw(HDC dc) {
    if (!Visible()) return;
    NoticePicture picture = sheet_.Show(theCore.m_noticeStore);
    ViewGraphics graphics(dc);
    graphics.Smooth();
    DrawTextBox(graphics.Get(), picture.heading, headingFont_.Get());
    if (picture.title) DrawTextBox(graphics.Get(), *picture.title, headingFont_.Get());
    if (picture.dateLine) {
        graphics.SystemText();
        DrawTextBox(graphics.Get(), *picture.dateLine, dateFont_.Get());
    }
}
