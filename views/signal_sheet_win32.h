// SignalHolder: the signal page. The newest trade signal in three large lines with its
// coloured marker, the signal history below; the HTML pane between them shows the traders'
// messages. The texts are made afresh from the server poll's maps at every drawing.
#pragma once

#include "views/holder_wnd_win32.h"
#include "views/signal_sheet.h"

class SignalHolder : public XHolderWnd {
public:
    SignalHolder();

    void Layout() override;
    void Draw(HDC dc) override;

    // The messages' place, for the page logic.
    const SignalSheet& Sheet() const { return sheet_; }

private:
    SignalSheet sheet_;
    ViewFont latestFont_;
    ViewFont historyFont_;
};
