#include "publish/signal_sources.h"
#include "publish/ascii_text.h"

#include <cctype>
#include <charconv>
#include <initializer_list>
#include <optional>

#include "base/local_time.h"
#include "publish/utf8_to_cp932.h"
#include "publish/csv_table.h"
#include "publish/time_text.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"

namespace {
std::string FieldText(std::string_view text) {
    std::string safe;
    for (char c : TrimmedText(text)) {
        if (c == ',')
            safe += "\uFF0C";
        else if (c == '\r' || c == '\n' || c == '\0')
            safe += ' ';
        else
            safe += c;
    }
    return Utf8ToCp932(safe);
}

std::optional<int64_t> Integer(std::string_view text) {
    text = TrimmedText(text);
    int64_t value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int64_t> TimeOf(std::string_view text, const ZoneClock& zone) {
    if (std::optional<int64_t> seconds = Integer(text)) return seconds;
    return ParseIsoDateTime(text, zone);
}

// Reads a CSV whose header has every named column; calls row(record) for each further record.
template <class Row>
bool ReadTable(std::string_view text, std::string_view file,
               std::initializer_list<std::string_view> needed, std::string& error, Row row) {
    std::vector<CsvRecord> records;
    std::string reason;
    if (!ReadCsv(text, records, reason)) {
        error = std::string(file) + ": " + reason;
        return false;
    }
    if (records.empty()) return true;
    const CsvColumns columns(records.front());
    for (std::string_view name : needed)
        if (columns.Find(name) < 0) {
            error = std::string(file) + ": line " + std::to_string(records.front().line) +
                    ": the header has no column \"" + std::string(name) + "\"";
            return false;
        }
    for (size_t index = 1; index < records.size(); ++index) {
        if (!row(columns, records[index], reason)) {
            error =
                std::string(file) + ": line " + std::to_string(records[index].line) + ": " + reason;
            return false;
        }
    }
    return true;
}

std::string Stamp(const LocalTime& at) {
    return FormatText("%04d.%02d.%02d %02d:%02d:%02d", at.year, at.month, at.day, at.hour,
                      at.minute, at.second);
}
}  // namespace

bool ReadSignalSources(std::string_view traders, std::string_view messages,
                       std::string_view signals, const ZoneClock& zone, PollFiles& files,
                       std::string& error) {
    files = PollFiles{};
    const bool tradersRead =
        ReadTable(traders, "traders", {"id", "name"}, error,
                  [&](const CsvColumns& columns, const CsvRecord& record, std::string& reason) {
                      const std::optional<int64_t> id = Integer(columns.Get(record, "id"));
                      if (!id) return reason = "the id is no number", false;
                      files.traders +=
                          std::to_string(*id) + "," + FieldText(columns.Get(record, "name")) + "\n";
                      return true;
                  });
    if (!tradersRead) return false;
    const bool messagesRead =
        ReadTable(messages, "messages", {"id", "trader", "time", "text"}, error,
                  [&](const CsvColumns& columns, const CsvRecord& record, std::string& reason) {
                      const std::optional<int64_t> id = Integer(columns.Get(record, "id"));
                      const std::optional<int64_t> trader = Integer(columns.Get(record, "trader"));
                      const std::optional<int64_t> when = TimeOf(columns.Get(record, "time"), zone);
                      if (!id || !trader) return reason = "the id or trader is no number", false;
                      if (!when) return reason = "the time cannot be read", false;
                      files.messages += std::to_string(*id) + "," + std::to_string(*trader) + "," +
                                        std::to_string(*when) + "," +
                                        FieldText(columns.Get(record, "text")) + "\n";
                      return true;
                  });
    if (!messagesRead) return false;
    return ReadTable(
        signals, "signals", {"id", "ticket", "time", "symbol", "kind", "side", "price"}, error,
        [&](const CsvColumns& columns, const CsvRecord& record, std::string& reason) {
            const std::optional<int64_t> id = Integer(columns.Get(record, "id"));
            const std::optional<int64_t> when = TimeOf(columns.Get(record, "time"), zone);
            if (!id) return reason = "the id is no number", false;
            if (!when) return reason = "the time cannot be read", false;
            std::string line =
                std::to_string(*id) + "," + FieldText(columns.Get(record, "ticket")) + "," +
                std::to_string(*when) + "," + FieldText(columns.Get(record, "symbol")) + "," +
                std::to_string(*when);
            for (std::string_view name : {"kind", "side", "price", "stop", "limit", "lots"})
                line += "," + FieldText(columns.Get(record, name));
            files.signals += line + "," + Stamp(zone.ToLocal(*when)) + "\n";
            return true;
        });
}
