#include "store/indicator_file.h"

#include <algorithm>

#include "base/cp932_text.h"
#include "base/field_codec.h"

// The file holds two years of announcements, some 50,000 lines, and a merge writes it twice and
// reads it once. Lines are therefore written straight into the text without printf, and cut
// without copying the rest of the line for every field, with the same results as the field
// operations of field_codec.h.
namespace {
constexpr uint32_t NOTIFY_FLAG = 1;
constexpr uint32_t MUTED_FLAG = 2;

constexpr size_t HEX_FIELD_BYTES = 9;  // eight digits and the separator

char* WriteHex(char* out, uint32_t value) {
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    for (int shift = 28; shift >= 0; shift -= 4) *out++ = DIGITS[(value >> shift) & 15];
    *out++ = FIELD_SEP;
    return out;
}

char* WriteText(char* out, std::string_view field) {
    out = std::copy(field.begin(), field.end(), out);
    *out++ = FIELD_SEP;
    return out;
}

// The next field up to its separator; empty, and the rest unchanged, when there is none. (The
// fields are short: a plain loop beats a library search call.)
std::string_view TakeField(std::string_view& rest) {
    size_t end = 0;
    while (end < rest.size() && rest[end] != FIELD_SEP) ++end;
    if (end == rest.size()) return {};
    std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return field;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// As ReadHex: white space, then up to eight hexadecimal digits; 0 when there are none.
int32_t ReadHexField(std::string_view field) {
    size_t at = 0;
    while (at < field.size() && (field[at] == ' ' || (field[at] >= '\t' && field[at] <= '\r')))
        ++at;
    uint32_t value = 0;
    for (size_t end = std::min(field.size(), at + 8); at < end && HexDigit(field[at]) >= 0; ++at)
        value = value << 4 | static_cast<uint32_t>(HexDigit(field[at]));
    return static_cast<int32_t>(value);
}

int32_t TakeHex(std::string_view& rest) { return ReadHexField(TakeField(rest)); }
std::string TakeText(std::string_view& rest) { return std::string(TakeField(rest)); }
}  // namespace

void AppendIndicatorFileLine(std::string& text, const IndicatorRecord& record) {
    const size_t length = 7 * HEX_FIELD_BYTES + record.name.size() + record.forecast.size() +
                          record.result.size() + record.previous.size() + 4 + 2;
    const size_t start = text.size();
    text.resize(start + length);
    char* out = text.data() + start;
    out = WriteHex(out, static_cast<uint32_t>(record.when));
    out = WriteText(out, record.name);
    out = WriteText(out, record.forecast);
    out = WriteText(out, record.result);
    out = WriteText(out, record.previous);
    out = WriteHex(out, static_cast<uint32_t>(record.country));
    out = WriteHex(out, static_cast<uint32_t>(record.rank));
    out = WriteHex(out, static_cast<uint32_t>(record.highlight));
    out = WriteHex(out, record.firedAlerts);
    out = WriteHex(out, (record.notify ? NOTIFY_FLAG : 0) | (record.muted ? MUTED_FLAG : 0));
    out = WriteHex(out, static_cast<uint32_t>(record.id));
    *out++ = '\r';
    *out++ = '\n';
}

IndicatorRecord ReadIndicatorFileLine(std::string_view line) {
    IndicatorRecord record;
    record.when = static_cast<uint32_t>(TakeHex(line));
    record.name = TakeText(line);
    record.forecast = TakeText(line);
    record.result = TakeText(line);
    record.previous = TakeText(line);
    record.country = TakeHex(line);
    record.rank = TakeHex(line);
    record.highlight = TakeHex(line);
    record.firedAlerts = static_cast<uint32_t>(TakeHex(line));
    uint32_t flags = static_cast<uint32_t>(TakeHex(line));
    record.notify = (flags & NOTIFY_FLAG) != 0;
    record.muted = (flags & MUTED_FLAG) != 0;
    record.id = TakeHex(line);
    AsReadBack(record);
    return record;
}

void AsReadBack(IndicatorRecord& record) {
    record.when = static_cast<uint32_t>(record.when);
    ReplaceAllMbcs(record.name, "&amp;", "&");
}
