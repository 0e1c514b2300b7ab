#include "publish/json_calendar.h"
#include "publish/ascii_text.h"

#include <cctype>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "publish/country_codes.h"
#include "publish/time_text.h"

namespace {
using nlohmann::json;

// An event object holds only flat members; anything nested deeper is dropped while parsing, so
// a hostile file cannot make the parser build a deep tree.
constexpr int MAX_DEPTH = 2;

// A member as text: a string trimmed, a number as JSON writes it, anything else empty.
std::string MemberText(const json& event, const char* name) {
    const auto member = event.find(name);
    if (member == event.end()) return {};
    if (member->is_string()) return std::string(TrimmedText(member->get_ref<const std::string&>()));
    if (member->is_number()) return member->dump();
    return {};
}

enum class Impact { Holiday, Ranked };

Impact ImpactOf(const std::string& word, int32_t& rank) {
    const std::string impact = LowerAscii(word);
    if (impact == "holiday") return Impact::Holiday;
    rank = impact == "high" ? 5 : impact == "low" || impact == "non-economic" ? 1 : DEFAULT_RANK;
    return Impact::Ranked;
}

std::string IndexMessage(size_t index, const std::string& reason) {
    return "[" + std::to_string(index) + "]: " + reason;
}

bool ReadEvent(const json& event, size_t index, const ZoneClock& zone, CalendarReading& reading,
               std::string& error) {
    if (!event.is_object()) {
        error = IndexMessage(index, "the element is no object");
        return false;
    }
    Announcement announcement;
    if (ImpactOf(MemberText(event, "impact"), announcement.rank) == Impact::Holiday) {
        ++reading.skippedAllDay;
        return true;
    }
    announcement.name = MemberText(event, "title");
    if (announcement.name.empty()) {
        error = IndexMessage(index, "the event has no title");
        return false;
    }
    const std::optional<int64_t> when = ParseIsoDateTime(MemberText(event, "date"), zone);
    if (!when) {
        error = IndexMessage(index, "the event has no readable date");
        return false;
    }
    announcement.when = *when;
    announcement.country = CountryIndexOfCode(MemberText(event, "country")).value_or(NO_COUNTRY);
    announcement.highlight = announcement.rank >= HIGHLIGHTED_RANK;
    announcement.forecast = MemberText(event, "forecast");
    announcement.previous = MemberText(event, "previous");
    announcement.result = MemberText(event, "actual");
    reading.announcements.push_back(std::move(announcement));
    return true;
}
}  // namespace

bool LooksLikeJsonCalendar(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    text = TrimmedText(text);
    return text.starts_with("[");
}

bool ReadJsonCalendar(std::string_view text, const ZoneClock& zone, CalendarReading& reading,
                      std::string& error) {
    reading = CalendarReading{};
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const json::parser_callback_t flatOnly = [](int depth, json::parse_event_t, json&) {
        return depth <= MAX_DEPTH;
    };
    const json events = json::parse(text.begin(), text.end(), flatOnly, false);
    if (events.is_discarded()) {
        error = "the text is no valid JSON (broken syntax or invalid UTF-8)";
        return false;
    }
    if (!events.is_array()) {
        error = "the text is no JSON array of events";
        return false;
    }
    for (size_t index = 0; index < events.size(); ++index)
        if (!ReadEvent(events[index], index, zone, reading, error)) return false;
    return true;
}
