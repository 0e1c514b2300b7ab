// EtcHolder: the notice page, headed "お知らせ". It shows one notice at a time (the notice
// buttons, its children, choose which) with its title and its date and place among the
// notices; the HTML pane shows its body below. Showing a notice marks it read.
#pragma once

#include "views/holder_wnd_win32.h"
#include "views/notice_sheet.h"

class EtcHolder : public XHolderWnd {
public:
    EtcHolder();

    void Layout() override;
    void Draw(HDC dc) override;

    // The shown notice and its body's place, for the page logic.
    NoticeSheet& Sheet() { return sheet_; }

private:
    NoticeSheet sheet_;
    ViewFont headingFont_;
    ViewFont dateFont_;
};
