#include "store/indicator_feed.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "base/local_time.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"

namespace {
constexpr std::string_view FIELD_SEPARATOR = "##";

enum FeedField {
    FIELD_DATE,
    FIELD_TIME,
    FIELD_COUNTRY,
    FIELD_NAME,
    FIELD_HIGHLIGHT,
    FIELD_RESULT,
    FIELD_FORECAST,
    FIELD_PREVIOUS,
    FIELD_RANK
};

bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One "%d" conversion at `at`: white space, an optional sign, at least one digit. Values beyond
// the 32-bit range are clamped to it.
bool ScanNumber(std::string_view text, size_t& at, int32_t& value) {
    while (at < text.size() && IsScanSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at >= text.size() || !IsDigit(text[at])) return false;
    int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        magnitude = std::min<int64_t>(magnitude * 10 + (text[at] - '0'), INT32_MAX + int64_t{1});
    value = static_cast<int32_t>(
        std::clamp<int64_t>(negative ? -magnitude : magnitude, INT32_MIN, INT32_MAX));
    return true;
}

// Reads numbers joined by one separator character, as "%d/%d/%d" does: scanning stops at the
// first mismatch and the numbers not reached stay 0.
template <size_t Count>
std::array<int32_t, Count> ScanNumbers(std::string_view text, char separator) {
    std::array<int32_t, Count> values{};
    size_t at = 0;
    for (size_t index = 0; index < Count; ++index) {
        if (index > 0 && (at >= text.size() || text[at++] != separator)) break;
        if (!ScanNumber(text, at, values[index])) break;
    }
    return values;
}

constexpr int32_t LONGEST_MONTH = 31;

// The announcement time of the date and time fields, or none when they name no local time that
// the indicator file can hold. A day past the end of its month is carried into the next one by
// the runtime's conversion, as the data server's own tools do: 30 February is 2 March (1 March
// in a leap year).
std::optional<int64_t> AnnouncementTime(std::string_view dateField, std::string_view timeField) {
    auto [year, month, day] = ScanNumbers<3>(dateField, '/');
    auto [hour, minute] = ScanNumbers<2>(timeField, ':');
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > LONGEST_MONTH)
        return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
    int64_t when = FromLocalTime(year, month, day, hour, minute, 0);
    if (when < 0 || when > int64_t{UINT32_MAX}) return std::nullopt;
    return when;
}

using FeedFields = std::array<std::string_view, FIELD_RANK + 1>;

// The line's fields between separators, cut in one pass; the last one found runs to the end of
// the line and fields beyond it are empty.
FeedFields FieldsOf(std::string_view line) {
    FeedFields fields{};
    for (std::string_view& field : fields) {
        if (!SplitFirst(line, field, FIELD_SEPARATOR)) {
            field = line;
            break;
        }
    }
    return fields;
}

// A text must not carry the indicator file's field separator, or its line would come apart.
std::string FileSafeText(std::string_view field) {
    std::string text(field);
    std::replace(text.begin(), text.end(), FIELD_SEP, ' ');
    return text;
}

std::optional<IndicatorRecord> ParseFeedLine(std::string_view line) {
    const FeedFields fields = FieldsOf(line);
    std::optional<int64_t> when = AnnouncementTime(fields[FIELD_DATE], fields[FIELD_TIME]);
    if (!when) return std::nullopt;
    IndicatorRecord record;
    record.when = *when;
    record.name = FileSafeText(fields[FIELD_NAME]);
    ReplaceAllMbcs(record.name, "&amp;", "&");
    record.forecast = FileSafeText(fields[FIELD_FORECAST]);
    record.result = FileSafeText(fields[FIELD_RESULT]);
    record.previous = FileSafeText(fields[FIELD_PREVIOUS]);
    record.country = ReadDecimal(fields[FIELD_COUNTRY]);
    record.rank = ReadDecimal(fields[FIELD_RANK]);
    record.highlight = ReadDecimal(fields[FIELD_HIGHLIGHT]);
    return record;
}

// The feed is a C string: it ends at its first NUL.
std::string_view FeedBody(std::string_view feed) { return feed.substr(0, feed.find('\0')); }
}  // namespace

namespace {
// CP932 bytes of the full-width number sign, which stands in for "#" in a text.
constexpr std::string_view FULL_WIDTH_NUMBER_SIGN = "\x81\x94";

std::string LineSafeText(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    for (char c : text) {
        if (c == '#')
            safe += FULL_WIDTH_NUMBER_SIGN;
        else if (c == '\r' || c == '\n' || c == FIELD_SEP || c == '\0')
            safe += ' ';
        else
            safe += c;
    }
    return safe;
}

std::string NameFieldText(std::string_view name) {
    std::string text = LineSafeText(name);
    ReplaceAllMbcs(text, "&", "&amp;");
    return text;
}
}  // namespace

std::vector<IndicatorRecord> ParseIndicatorFeed(std::string_view feed) {
    std::vector<IndicatorRecord> records;
    std::string_view body = FeedBody(feed);
    // Every line counts, the one after the last LF included; a CR before the LF stays with the
    // last field of its line.
    while (!body.empty()) {
        size_t end = std::min(body.find('\n'), body.size());
        std::string_view line = body.substr(0, end);
        body.remove_prefix(std::min(end + 1, body.size()));
        if (line.empty()) continue;
        if (std::optional<IndicatorRecord> record = ParseFeedLine(line))
            records.push_back(std::move(*record));
    }
    return records;
}

std::string IndicatorFeedLine(const LocalTime& at, const IndicatorRecord& record) {
    std::array<std::string, FIELD_RANK + 1> fields;
    fields[FIELD_DATE] = FormatText("%d/%d/%d", at.year, at.month, at.day);
    fields[FIELD_TIME] = FormatText("%d:%02d", at.hour, at.minute);
    fields[FIELD_COUNTRY] = std::to_string(record.country);
    fields[FIELD_NAME] = NameFieldText(record.name);
    fields[FIELD_HIGHLIGHT] = std::to_string(record.highlight);
    fields[FIELD_RESULT] = LineSafeText(record.result);
    fields[FIELD_FORECAST] = LineSafeText(record.forecast);
    fields[FIELD_PREVIOUS] = LineSafeText(record.previous);
    fields[FIELD_RANK] = std::to_string(record.rank);
    std::string line = fields[FIELD_DATE];
    for (size_t index = FIELD_DATE + 1; index < fields.size(); ++index) {
        line += FIELD_SEPARATOR;
        line += fields[index];
    }
    return line;
}
