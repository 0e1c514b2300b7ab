#include "publish/ical_calendar.h"
#include "publish/ascii_text.h"

#include <libical/ical.h>

#include <cctype>
#include <memory>
#include <optional>

#include "publish/country_codes.h"
#include "publish/rank_words.h"

namespace {
struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

// The line numbers of the "BEGIN:VEVENT" lines, in order, so that a message can name the line
// of the n-th event.
std::vector<int> EventLines(std::string_view text) {
    std::vector<int> lines;
    int line = 1;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view current = TrimmedText(text.substr(start, end - start));
        if (current.size() == 12 && LowerAscii(current) == "begin:vevent") lines.push_back(line);
        ++line;
        start = end + 1;
    }
    return lines;
}

enum class ValueKind { Forecast, Previous, Result };

std::optional<ValueKind> KindOfLabel(std::string_view label) {
    const std::string lower = LowerAscii(TrimmedText(label));
    if (lower == "forecast" || lower == "consensus" || lower == "予想") return ValueKind::Forecast;
    if (lower == "previous" || lower == "prior" || lower == "前回" || lower == "前回値")
        return ValueKind::Previous;
    if (lower == "actual" || lower == "result" || lower == "結果") return ValueKind::Result;
    return std::nullopt;
}

// Values of X-IMPACT and X- properties by name.
std::string XProperty(icalcomponent* event, std::string_view name) {
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_X_PROPERTY);
         property; property = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const char* propertyName = icalproperty_get_x_name(property);
        if (propertyName && LowerAscii(propertyName) == LowerAscii(name)) {
            const char* value = icalproperty_get_x(property);
            return value ? value : "";
        }
    }
    return std::string();
}

std::vector<std::string> Categories(icalcomponent* event) {
    std::vector<std::string> values;
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
         property; property = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
        const char* value = icalproperty_get_categories(property);
        std::string_view rest = value ? value : "";
        while (!rest.empty()) {
            const size_t comma = rest.find(',');
            values.emplace_back(TrimmedText(rest.substr(0, comma)));
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
    }
    return values;
}

void ReadCountryAndRank(icalcomponent* event, Announcement& announcement) {
    if (std::optional<LeadingCode> code = SplitLeadingCountryCode(announcement.name)) {
        announcement.country = code->country;
        announcement.name = code->restName;
    }
    std::optional<int32_t> categoryRank;
    for (const std::string& category : Categories(event)) {
        if (std::optional<int32_t> country = CountryIndexOfCode(category))
            announcement.country = *country;
        else if (!categoryRank)
            categoryRank = RankOfWord(category);
    }
    std::optional<int32_t> rank = RankOfWord(XProperty(event, "X-IMPACT"));
    if (!rank) rank = categoryRank;
    if (!rank) {
        if (icalproperty* priority =
                icalcomponent_get_first_property(event, ICAL_PRIORITY_PROPERTY))
            rank = RankOfPriority(icalproperty_get_priority(priority));
    }
    announcement.rank = rank.value_or(DEFAULT_RANK);
    announcement.highlight = announcement.rank >= HIGHLIGHTED_RANK;
}

// The event's start with its zone resolved; none with `error` set when it cannot be read.
std::optional<icaltimetype> StartOf(icalcomponent* event, std::string& error) {
    icalproperty* property = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!property) {
        error = "the event has no readable DTSTART";
        return std::nullopt;
    }
    icaltimetype start = icalproperty_get_dtstart(property);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) {
        error = "the event has no readable DTSTART";
        return std::nullopt;
    }
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (tzid && !icaltime_is_utc(start) && !start.is_date) {
        const char* name = icalparameter_get_tzid(tzid);
        // A lone VEVENT has no calendar around it to hold VTIMEZONEs.
        icalcomponent* calendar = icalcomponent_get_parent(event);
        icaltimezone* found =
            calendar && name ? icalcomponent_get_timezone(calendar, name) : nullptr;
        if (!found && name) found = icaltimezone_get_builtin_timezone(name);
        if (!found && name) found = icaltimezone_get_builtin_timezone_from_tzid(name);
        if (!found) {
            error = std::string("unknown time zone \"") + (name ? name : "") + "\" in DTSTART";
            return std::nullopt;
        }
        start.zone = found;
    }
    return start;
}

struct Occurrences {
    std::vector<int64_t> starts;
};

void CollectOccurrence(icalcomponent*, struct icaltime_span* span, void* data) {
    static_cast<Occurrences*>(data)->starts.push_back(static_cast<int64_t>(span->start));
}

std::vector<int64_t> StartsOf(icalcomponent* event, icaltimetype start, const ZoneClock& zone,
                              const CalendarWindow& window) {
    const icaltimezone* startZone = start.zone ? start.zone : zone.Zone();
    if (!icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY))
        return {static_cast<int64_t>(icaltime_as_timet_with_zone(start, startZone))};
    // A floating recurring start is pinned to the panel's zone before it is expanded.
    if (!start.zone) {
        start.zone = zone.Zone();
        icalcomponent_set_dtstart(event, start);
    }
    Occurrences occurrences;
    const icaltimetype from =
        icaltime_from_timet_with_zone(window.from, 0, icaltimezone_get_utc_timezone());
    const icaltimetype to =
        icaltime_from_timet_with_zone(window.to + 1, 0, icaltimezone_get_utc_timezone());
    icalcomponent_foreach_recurrence(event, from, to, CollectOccurrence, &occurrences);
    return occurrences.starts;
}

// Sub-daily recurrences are no economic calendar's, and expanding one from a start years back
// would take the run hours.
bool RecursMoreOftenThanDaily(icalcomponent* event) {
    for (icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); rule;
         rule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype_frequency frequency = icalproperty_get_rrule(rule).freq;
        if (frequency == ICAL_SECONDLY_RECURRENCE || frequency == ICAL_MINUTELY_RECURRENCE ||
            frequency == ICAL_HOURLY_RECURRENCE)
            return true;
    }
    return false;
}

std::string TextProperty(const char* value) { return value ? std::string(TrimmedText(value)) : ""; }
// The values of a description: "Forecast: 3.1%" and the like, one per line.
void ReadDescriptionValues(std::string_view description, Announcement& announcement) {
    while (!description.empty()) {
        const size_t end = description.find('\n');
        std::string_view line = description.substr(0, end);
        description =
            end == std::string_view::npos ? std::string_view() : description.substr(end + 1);
        size_t colon = line.find(':');
        size_t colonLength = 1;
        const size_t wideColon = line.find("：");
        if (wideColon != std::string_view::npos && wideColon < colon)
            colon = wideColon, colonLength = 3;
        if (colon == std::string_view::npos) continue;
        const std::optional<ValueKind> kind = KindOfLabel(line.substr(0, colon));
        if (!kind) continue;
        const std::string value(TrimmedText(line.substr(colon + colonLength)));
        if (*kind == ValueKind::Forecast) announcement.forecast = value;
        if (*kind == ValueKind::Previous) announcement.previous = value;
        if (*kind == ValueKind::Result) announcement.result = value;
    }
}
}  // namespace

bool ReadICalendar(std::string_view text, const ZoneClock& zone, const CalendarWindow& window,
                   CalendarReading& reading, std::string& error) {
    reading = CalendarReading{};
    const std::string copy(text.substr(0, text.find('\0')));
    std::unique_ptr<icalcomponent, ComponentDeleter> root(icalparser_parse_string(copy.c_str()));
    if (!root || (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT &&
                  icalcomponent_isa(root.get()) != ICAL_VEVENT_COMPONENT)) {
        error = "line 1: not an iCalendar text (no BEGIN:VCALENDAR)";
        return false;
    }
    const std::vector<int> lines = EventLines(copy);
    size_t index = 0;
    auto eachEvent = [&](icalcomponent* event) -> bool {
        const int line = index < lines.size() ? lines[index] : 0;
        ++index;
        std::string reason;
        std::optional<icaltimetype> start = StartOf(event, reason);
        if (!start) {
            error = "line " + std::to_string(line) + " (VEVENT): " + reason;
            return false;
        }
        if (start->is_date) {
            ++reading.skippedAllDay;
            return true;
        }
        if (RecursMoreOftenThanDaily(event)) {
            error =
                "line " + std::to_string(line) + " (VEVENT): a recurrence more often than daily";
            return false;
        }
        Announcement announcement;
        announcement.name = TextProperty(icalcomponent_get_summary(event));
        ReadCountryAndRank(event, announcement);
        ReadDescriptionValues(TextProperty(icalcomponent_get_description(event)), announcement);
        for (int64_t when : StartsOf(event, *start, zone, window)) {
            announcement.when = when;
            reading.announcements.push_back(announcement);
        }
        return true;
    };
    if (icalcomponent_isa(root.get()) == ICAL_VEVENT_COMPONENT) return eachEvent(root.get());
    for (icalcomponent* event =
             icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT))
        if (!eachEvent(event)) return false;
    return true;
}
