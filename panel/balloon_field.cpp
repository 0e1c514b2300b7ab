#include "panel/balloon_field.h"

#include "base/cp932_text.h"

std::string FitBalloonField(std::string_view text, size_t maxBytes) {
    text = text.substr(0, text.find('\0'));
    size_t kept = 0;
    while (kept < text.size()) {
        size_t width = IsCp932LeadByte(static_cast<unsigned char>(text[kept])) ? 2 : 1;
        // A lead byte without its second byte is no character: it is left out too.
        if (kept + width > maxBytes || kept + width > text.size()) break;
        kept += width;
    }
    return std::string(text.substr(0, kept));
}
