#include "views/signal_sheet_win32.h"

#include "app/app_core.h"
#include "metatrader/signal_texts.h"

SignalHolder::SignalHolder()
    : latestFont_(L"ＭＳ Ｐゴシック", 12.0f, FONT_BOLD),
      historyFont_(L"ＭＳ Ｐゴシック", 9.0f, FONT_REGULAR) {}

void SignalHolder::Layout() { sheet_.Layout(OriginX(), OriginY()); }

void SignalHolder::Draw(HDC dc) {
    if (!Visible()) return;
    const SignalMap& signals = theCore.m_serverPoll.signals;
    std::vector<TextBox> texts =
        sheet_.Picture(LatestSignalText(signals), SignalHistoryLines(signals));
    ViewGraphics graphics(dc);
    graphics.Smooth();
    const ViewFont* fonts[] = {&latestFont_, &historyFont_};
    for (const TextBox& box : texts) DrawTextBox(graphics.Get(), box, fonts[box.font]->Get());
}
