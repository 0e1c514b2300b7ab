#include "views/html_plain_text.h"

#include <cctype>
#include <cstdint>

#include "base/os.h"
#include "base/cp932_text.h"

namespace {

constexpr size_t LONGEST_REFERENCE = 12;  // "&#x10FFFF;" and the named ones fit

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool IsAsciiLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Double-byte characters are kept whole: their second byte may look like a capital letter.
std::string Lowercase(std::string_view text) { return LowerAsciiLetters(text); }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Position of the first "needle" at or after from, compared without regard to case; npos when
// absent. The needle is ASCII and starts with a byte that no double-byte character holds, so a
// match always starts a character and comparing byte by byte is exact. Nothing before `from` is
// looked at again, which keeps a body full of comments linear.
size_t FindNoCase(std::string_view text, std::string_view lowerNeedle, size_t from) {
    for (size_t at = text.find(lowerNeedle[0], from); at != std::string_view::npos;
         at = text.find(lowerNeedle[0], at + 1)) {
        if (text.size() - at < lowerNeedle.size()) return std::string_view::npos;
        size_t same = 1;
        while (same < lowerNeedle.size() && LowerAscii(text[at + same]) == lowerNeedle[same])
            ++same;
        if (same == lowerNeedle.size()) return at;
    }
    return std::string_view::npos;
}

// The '>' that closes the tag opened at start, skipping quoted attribute values.
size_t TagEnd(std::string_view html, size_t start) {
    char quote = 0;
    for (size_t at = start + 1; at < html.size(); ++at) {
        char c = html[at];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at;
        }
    }
    return std::string_view::npos;
}

// "br", "/p", "script" ... : the tag's name in lower case, with '/' when it closes.
std::string TagName(std::string_view tag) {
    size_t at = 1;
    std::string name;
    if (at < tag.size() && tag[at] == '/') name += tag[at++];
    while (at < tag.size() && std::isalnum(static_cast<unsigned char>(tag[at]))) name += tag[at++];
    return Lowercase(name);
}

std::string CodePointToCp932(uint32_t codePoint) {
    if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
    std::u16string utf16;
    if (codePoint < 0x10000) {
        utf16 += static_cast<char16_t>(codePoint);
    } else {
        codePoint -= 0x10000;
        utf16 += static_cast<char16_t>(0xD800 + (codePoint >> 10));
        utf16 += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    }
    return Os().Utf16ToAnsi(utf16);
}

// The value of a decimal or hexadecimal digit; -1 for any other character.
int DigitValue(char c, bool hex) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (std::isdigit(byte)) return c - '0';
    if (hex && std::isxdigit(byte)) return std::tolower(byte) - 'a' + 10;
    return -1;
}

// The text of a reference such as "amp" or "#x3042" (without '&' and ';'); empty when unknown.
std::string DecodeReference(std::string_view name) {
    if (name == "amp") return "&";
    if (name == "lt") return "<";
    if (name == "gt") return ">";
    if (name == "quot") return "\"";
    if (name == "apos") return "'";
    if (name == "nbsp") return " ";
    if (name.size() < 2 || name[0] != '#') return std::string();
    bool hex = name[1] == 'x' || name[1] == 'X';
    std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return std::string();
    uint32_t codePoint = 0;
    for (char c : digits) {
        int digit = DigitValue(c, hex);
        if (digit < 0) return std::string();
        codePoint = codePoint * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
        if (codePoint > 0x10FFFF) return std::string();
    }
    bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint == 0 || surrogate) return std::string();
    return CodePointToCp932(codePoint);
}

class PlainTextWriter {
public:
    void Text(std::string_view bytes) {
        text_ += bytes;
        pendingSpace_ = false;
    }
    // White space shows as one space between words, never at a line's start or end.
    void Space() { pendingSpace_ = !text_.empty() && text_.back() != '\n'; }
    void LineBreak() {
        text_ += '\n';
        pendingSpace_ = false;
    }
    void FlushSpace() {
        if (pendingSpace_) text_ += ' ';
        pendingSpace_ = false;
    }
    size_t Size() const { return text_.size(); }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    bool pendingSpace_ = false;
};

class HtmlReader {
public:
    explicit HtmlReader(std::string_view html) : html_(html) {}

    std::string Read() {
        while (at_ < html_.size() && out_.Size() < PLAIN_TEXT_MAX_BYTES) Step();
        return out_.Take();
    }

private:
    void Step() {
        char c = html_[at_];
        if (c == '<' && StartsMarkup()) return Markup();
        if (IsHtmlSpace(c)) {
            out_.Space();
            ++at_;
            return;
        }
        out_.FlushSpace();
        if (c == '&') return Reference();
        bool doubleByte = IsCp932LeadByte(static_cast<unsigned char>(c)) && at_ + 1 < html_.size();
        size_t width = doubleByte ? 2 : 1;
        out_.Text(html_.substr(at_, width));
        at_ += width;
    }

    bool StartsMarkup() const {
        if (at_ + 1 >= html_.size()) return false;
        char next = html_[at_ + 1];
        return IsAsciiLetter(next) || next == '/' || next == '!' || next == '?';
    }

    void Markup() {
        if (html_.substr(at_, 4) == "<!--") return SkipPast("-->", at_ + 4);
        size_t end = TagEnd(html_, at_);
        if (end == std::string_view::npos) {
            at_ = html_.size();  // an unfinished tag shows nothing, as in a browser
            return;
        }
        std::string name = TagName(html_.substr(at_, end - at_));
        at_ = end + 1;
        if (name == "br") {
            out_.LineBreak();
        } else if (name == "script" || name == "style") {
            SkipPast("</" + name, at_);
            SkipPast(">", at_);
        }
    }

    void SkipPast(std::string_view marker, size_t from) {
        size_t found = FindNoCase(html_, marker, from);
        at_ = found == std::string_view::npos ? html_.size() : found + marker.size();
    }

    void Reference() {
        // Only as far as the longest reference: a body of lone "&" must not search to its end
        // at every one of them.
        const std::string_view after = html_.substr(at_ + 1, LONGEST_REFERENCE);
        const size_t length = after.find(';');
        if (length != std::string_view::npos) {
            std::string decoded = DecodeReference(after.substr(0, length));
            if (!decoded.empty()) {
                out_.Text(decoded);
                at_ += length + 2;
                return;
            }
        }
        out_.Text("&");
        ++at_;
    }

    std::string_view html_;
    size_t at_ = 0;
    PlainTextWriter out_;
};

}  // namespace

std::string HtmlToPlainText(std::string_view html) { return HtmlReader(html).Read(); }
