#include "publish/ical_calendar.h"
#include "publish/ascii_text.h"

#include <libical/ical.h>

#include <cctype>
#include <memory>
#include <optional>
#include <set>

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

struct IteratorDeleter {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};

// Walks one rule's occurrences up to the window's end and keeps those inside it; false once
// `walked`, the count of the event's rules so far, passes MAX_OCCURRENCES_PER_EVENT. A rule without
// COUNT is walked from the window's start; one with COUNT cannot be started there, and its walk
// counts from DTSTART. The rule is cut at the window's end: libical searches a rule that never
// matches (30 February) for centuries unless an UNTIL stops it.
bool AddRuleOccurrences(icalrecurrencetype rule, icaltimetype start, const CalendarWindow& window,
                        size_t& walked, std::set<int64_t>& starts) {
    const icaltimetype windowEnd =
        icaltime_from_timet_with_zone(window.to, 0, icaltimezone_get_utc_timezone());
    if (icaltime_is_null_time(rule.until) || icaltime_compare(rule.until, windowEnd) > 0)
        rule.until = windowEnd;
    std::unique_ptr<icalrecur_iterator, IteratorDeleter> iterator(
        icalrecur_iterator_new(rule, start));
    if (!iterator) return true;  // a rule libical cannot walk gives no occurrence
    if (rule.count == 0)
        icalrecur_iterator_set_start(
            iterator.get(),
            icaltime_from_timet_with_zone(window.from, 0, const_cast<icaltimezone*>(start.zone)));
    for (icaltimetype next = icalrecur_iterator_next(iterator.get()); !icaltime_is_null_time(next);
         next = icalrecur_iterator_next(iterator.get())) {
        const int64_t when = static_cast<int64_t>(icaltime_as_timet_with_zone(next, start.zone));
        if (when > window.to) break;
        if (++walked > MAX_OCCURRENCES_PER_EVENT) return false;
        if (window.Contains(when)) starts.insert(when);
    }
    return true;
}

// The instant of an RDATE or EXDATE: in its TZID where the calendar has that zone, else in the
// zone of the event's start.
std::optional<int64_t> InstantOf(icalproperty* property, icalcomponent* event,
                                 const icaltimezone* startZone) {
    const icaltimetype time = icalproperty_get_datetime_with_component(property, event);
    if (icaltime_is_null_time(time) || time.is_date) return std::nullopt;
    return static_cast<int64_t>(
        icaltime_as_timet_with_zone(time, time.zone ? time.zone : startZone));
}

// The event's starts in the window: DTSTART, every RRULE's occurrences and the RDATEs, less
// the EXDATEs. None, with `error` set, when a rule would give more occurrences than the bound.
std::optional<std::vector<int64_t>> StartsOf(icalcomponent* event, icaltimetype start,
                                             const ZoneClock& zone, const CalendarWindow& window,
                                             std::string& error) {
    // A floating start is in the panel's zone.
    if (!start.zone) start.zone = zone.Zone();
    const int64_t first = static_cast<int64_t>(icaltime_as_timet_with_zone(start, start.zone));
    if (!icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) return {{first}};
    std::set<int64_t> starts;
    if (window.Contains(first)) starts.insert(first);
    size_t walked = 0;  // one bound for all the event's rules
    for (icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); rule;
         rule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        if (!AddRuleOccurrences(icalproperty_get_rrule(rule), start, window, walked, starts)) {
            error = "its recurrence gives more than " + std::to_string(MAX_OCCURRENCES_PER_EVENT) +
                    " occurrences up to the end of the window";
            return std::nullopt;
        }
    }
    for (icalproperty* date = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); date;
         date = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY))
        if (std::optional<int64_t> when = InstantOf(date, event, start.zone);
            when && window.Contains(*when))
            starts.insert(*when);
    for (icalproperty* date = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); date;
         date = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        if (std::optional<int64_t> when = InstantOf(date, event, start.zone)) starts.erase(*when);
    return std::vector<int64_t>(starts.begin(), starts.end());
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
        const std::optional<std::vector<int64_t>> starts =
            StartsOf(event, *start, zone, window, reason);
        if (!starts) {
            error = "line " + std::to_string(line) + " (VEVENT \"" + announcement.name +
                    "\"): " + reason;
            return false;
        }
        ReadCountryAndRank(event, announcement);
        ReadDescriptionValues(TextProperty(icalcomponent_get_description(event)), announcement);
        if (reading.announcements.size() + starts->size() > MAX_ANNOUNCEMENTS_PER_CALENDAR) {
            error = "line " + std::to_string(line) + " (VEVENT \"" + announcement.name +
                    "\"): the calendar gives more than " +
                    std::to_string(MAX_ANNOUNCEMENTS_PER_CALENDAR) + " announcements";
            return false;
        }
        for (int64_t when : *starts) {
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
