#include "views/name_fit.h"

#include "base/cp932_text.h"

namespace {

constexpr char ELLIPSIS[] = "...";
constexpr size_t ELLIPSIS_LENGTH = sizeof ELLIPSIS - 1;

// Where the last character starts. A trail byte can look like a lead byte, so the characters
// are walked from the start.
size_t LastCharacterStart(const std::string& text) {
    size_t start = 0;
    size_t at = 0;
    while (at < text.size()) {
        start = at;
        bool doubleByte =
            IsCp932LeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size();
        at += doubleByte ? 2 : 1;
    }
    return start;
}

bool EndsWithEllipsis(const std::string& text) {
    return text.size() >= ELLIPSIS_LENGTH &&
           text.compare(text.size() - ELLIPSIS_LENGTH, ELLIPSIS_LENGTH, ELLIPSIS) == 0;
}

}  // namespace

std::string FitNameToWidth(const std::string& name, int limit, const TextWidth& widthOf) {
    std::string text = name;
    while (widthOf(text) >= limit) {
        if (EndsWithEllipsis(text)) text.resize(text.size() - ELLIPSIS_LENGTH);
        if (text.empty()) return ELLIPSIS;
        text.resize(LastCharacterStart(text));
        text += ELLIPSIS;
    }
    return text;
}
