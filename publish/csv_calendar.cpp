#include "publish/csv_calendar.h"
#include "publish/ascii_text.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "publish/country_codes.h"
#include "publish/csv_table.h"
#include "publish/rank_words.h"
#include "publish/time_text.h"

namespace {
std::optional<int32_t> SmallNumber(std::string_view text) {
    text = TrimmedText(text);
    bool negative = text.starts_with("-");
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 4) return std::nullopt;
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<int32_t> CountryOf(std::string_view text) {
    text = TrimmedText(text);
    if (text.empty()) return NO_COUNTRY;
    if (std::optional<int32_t> index = SmallNumber(text)) return *index;
    return CountryIndexOfCode(text);
}

std::optional<int32_t> RankOf(std::string_view text) {
    text = TrimmedText(text);
    if (text.empty()) return DEFAULT_RANK;
    if (std::optional<int32_t> number = SmallNumber(text))
        return std::clamp<int32_t>(*number, 1, 5);
    return RankOfWord(text);
}

std::string LineMessage(int line, const std::string& reason) {
    return "line " + std::to_string(line) + ": " + reason;
}
}  // namespace

bool ReadCsvCalendar(std::string_view text, const ZoneClock& zone, CalendarReading& reading,
                     std::string& error) {
    reading = CalendarReading{};
    std::vector<CsvRecord> records;
    if (!ReadCsv(text, records, error)) return false;
    if (records.empty()) {
        error = "line 1: no header row";
        return false;
    }
    const CsvColumns columns(records.front());
    const bool hasDateTime = columns.Find("datetime") >= 0;
    if (columns.Find("name") < 0 ||
        (!hasDateTime && (columns.Find("date") < 0 || columns.Find("time") < 0))) {
        error =
            LineMessage(records.front().line,
                        "the header must name the columns name and datetime (or date and time)");
        return false;
    }
    for (size_t index = 1; index < records.size(); ++index) {
        const CsvRecord& record = records[index];
        const std::optional<int64_t> when =
            hasDateTime
                ? ParseIsoDateTime(columns.Get(record, "datetime"), zone)
                : ParseDateAndTime(columns.Get(record, "date"), columns.Get(record, "time"), zone);
        if (!when) {
            error = LineMessage(record.line, "the date and time cannot be read");
            return false;
        }
        const std::optional<int32_t> country = CountryOf(columns.Get(record, "country"));
        const std::optional<int32_t> rank = RankOf(columns.Get(record, "rank"));
        if (!rank) {
            error = LineMessage(record.line,
                                "the rank \"" + columns.Get(record, "rank") + "\" is no rank");
            return false;
        }
        Announcement announcement;
        announcement.when = *when;
        announcement.name = std::string(TrimmedText(columns.Get(record, "name")));
        announcement.country = country.value_or(NO_COUNTRY);
        announcement.rank = *rank;
        announcement.highlight =
            columns.Find("highlight") >= 0
                ? SmallNumber(columns.Get(record, "highlight")).value_or(0) != 0
                : *rank >= HIGHLIGHTED_RANK;
        announcement.forecast = std::string(TrimmedText(columns.Get(record, "forecast")));
        announcement.previous = std::string(TrimmedText(columns.Get(record, "previous")));
        announcement.result = std::string(TrimmedText(columns.Get(record, "result")));
        reading.announcements.push_back(std::move(announcement));
    }
    return true;
}
