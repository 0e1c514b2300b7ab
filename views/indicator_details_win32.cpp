#include "views/indicator_details_win32.h"

#include "app/app_core.h"
#include "base/os.h"

IndexHolder::IndexHolder()
    : titleFont_(L"ＭＳ Ｐゴシック", 10.0f, FONT_BOLD),
      clockFont_(L"ＭＳ Ｐゴシック", 9.0f, FONT_REGULAR),
      detailFont_(L"ＭＳ Ｐゴシック", 9.0f, FONT_REGULAR) {}

void IndexHolder::Layout() { details_.Layout(OriginX(), OriginY()); }

void IndexHolder::Draw(HDC dc) {
    if (!Visible()) return;
    const IndicatorRecord* selected =
        theCore.m_indicatorStore.FindById(theCore.m_selectedIndicator);
    ViewGraphics graphics(dc);
    const ViewFont* fonts[] = {&titleFont_, &clockFont_, &detailFont_};
    GpGraphics* gp = graphics.Get();
    // The clock is measured with the text rendering it is drawn with.
    graphics.SystemText();
    DetailPicture picture =
        details_.Picture(selected, Os().Now(), [gp, &fonts](const std::string& text, int font) {
            return MeasureTextWidth(gp, text, fonts[font]->Get());
        });
    graphics.Smooth();
    DrawTextBox(graphics.Get(), picture.title, titleFont_.Get());
    graphics.SystemText();
    for (const TextBox& box : picture.texts) {
        DrawTextBox(graphics.Get(), box, fonts[box.font]->Get());
    }
}
