#include "views/signal_sheet.h"

#include "base/byte_text.h"
#include "base/cp932_text.h"

namespace {

constexpr uint32_t MARK_COLOURS[] = {Rgb(255, 128, 128), Rgb(128, 128, 255), Rgb(128, 255, 128)};
constexpr uint32_t OTHER_MARK_COLOUR = Rgb(0, 0, 0);

uint32_t MarkColour(char digit) {
    int number = digit >= '0' && digit <= '9' ? digit - '0' : 0;
    return number < 3 ? MARK_COLOURS[number] : OTHER_MARK_COLOUR;
}

// The marker without its leading character (one or two bytes).
std::string MarkOf(const std::string& marker) {
    bool doubleByte = IsCp932LeadByte(static_cast<unsigned char>(marker[0]));
    return marker.size() > 1 && doubleByte ? marker.substr(2) : marker.substr(1);
}

}  // namespace

void SignalSheet::Layout(int originX, int originY) {
    auto place = [&](int x, int y, int width, int height) {
        return ViewRect::At(originX + x, originY + y, width, height);
    };
    lines_[0] = place(16, 36, 220, 24);
    lines_[1] = place(16, 56, 220, 24);
    lines_[2] = place(16, 76, 220, 24);
    historyStart_ = place(16, 294, 220, 12);
    body_ = place(8, 138, 220, 120);
}

void SignalSheet::AddLatest(std::vector<TextBox>& texts, const std::string& latest) const {
    for (int line = 0; line < 3; ++line) {
        std::string field;
        FieldAt(latest, line, "\n", field);
        texts.push_back({lines_[line], field, FONT_LATEST, TEXT_COLOUR, TextAlign::Near});
    }
    std::string marker;
    FieldAt(latest, 3, "\n", marker);
    if (marker.empty()) return;
    texts.push_back(
        {lines_[1], MarkOf(marker), FONT_LATEST, MarkColour(marker[0]), TextAlign::Near});
}

std::vector<TextBox> SignalSheet::Picture(const std::string& latest,
                                          const std::vector<std::string>& history) const {
    std::vector<TextBox> texts;
    if (!latest.empty()) AddLatest(texts, latest);
    ViewRect line = historyStart_;
    for (const std::string& text : history) {
        texts.push_back({line, text, FONT_HISTORY, TEXT_COLOUR, TextAlign::Near});
        line.top += HISTORY_LINE_HEIGHT;
        line.bottom += HISTORY_LINE_HEIGHT;
    }
    return texts;
}
