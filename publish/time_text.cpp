#include "publish/time_text.h"
#include "publish/ascii_text.h"

#include <array>
#include <cctype>
#include <string>

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A cursor over a text that reads numbers and expected characters.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // Between minDigits and maxDigits digits.
    bool Number(int& value, size_t minDigits, size_t maxDigits) {
        size_t count = 0;
        value = 0;
        while (at_ < text_.size() && count < maxDigits && IsDigit(text_[at_])) {
            value = value * 10 + (text_[at_++] - '0');
            ++count;
        }
        return count >= minDigits;
    }
    bool Take(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool TakeAnyOf(std::string_view chars) {
        if (at_ < text_.size() && chars.find(text_[at_]) != std::string_view::npos) {
            ++at_;
            return true;
        }
        return false;
    }
    void SkipSpaces() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }
    void SkipDigits() {
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    }
    std::string Word() {
        std::string word;
        while (at_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[at_])))
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(text_[at_++])));
        return word;
    }
    bool AtEnd() const { return at_ == text_.size(); }
    size_t Position() const { return at_; }

private:
    std::string_view text_;
    size_t at_ = 0;
};

struct Civil {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsRealCivil(const Civil& c) {
    static constexpr int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (c.year < 1970 || c.year > 2105 || c.month < 1 || c.month > 12 || c.day < 1) return false;
    const int days = c.month == 2 && IsLeapYear(c.year) ? 29 : DAYS[c.month - 1];
    return c.day <= days && c.hour >= 0 && c.hour <= 23 && c.minute >= 0 && c.minute <= 59 &&
           c.second >= 0 && c.second <= 60;
}

// Days from 1970-01-01 to the date (proleptic Gregorian).
int64_t DaysFromEpoch(int year, int month, int day) {
    year -= month <= 2;
    const int64_t era = year / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool ScanDate(Scanner& scan, Civil& civil) {
    if (!scan.Number(civil.year, 4, 4)) return false;
    const bool dashed = scan.Take('-');
    if (!dashed && !scan.Take('/')) return false;
    if (!scan.Number(civil.month, 1, 2) || !scan.Take(dashed ? '-' : '/')) return false;
    return scan.Number(civil.day, 1, 2);
}

bool ScanClock(Scanner& scan, Civil& civil) {
    if (!scan.Number(civil.hour, 1, 2) || !scan.Take(':') || !scan.Number(civil.minute, 2, 2))
        return false;
    if (scan.Take(':')) {
        if (!scan.Number(civil.second, 2, 2)) return false;
        if (scan.Take('.') || scan.Take(',')) scan.SkipDigits();
    }
    return true;
}

// "+09:00", "-0500", "+09"; offset in seconds east of UTC.
bool ScanNumericOffset(Scanner& scan, int& offset) {
    const bool east = scan.Take('+');
    if (!east && !scan.Take('-')) return false;
    int hours = 0, minutes = 0;
    if (!scan.Number(hours, 2, 2)) return false;
    scan.Take(':');
    scan.Number(minutes, 0, 2);
    if (hours > 23 || minutes > 59) return false;
    offset = (east ? 1 : -1) * (hours * 3600 + minutes * 60);
    return true;
}

std::optional<int64_t> ToSeconds(const Civil& c) {
    return UtcSeconds(c.year, c.month, c.day, c.hour, c.minute, c.second);
}

std::optional<int64_t> InZone(const Civil& c, const ZoneClock& zone) {
    if (!IsRealCivil(c)) return std::nullopt;
    return zone.ToUtc(c.year, c.month, c.day, c.hour, c.minute, c.second);
}

constexpr std::array<std::string_view, 12> MONTHS = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

int MonthOfName(const std::string& word) {
    for (size_t index = 0; index < MONTHS.size(); ++index)
        if (word.starts_with(MONTHS[index])) return static_cast<int>(index) + 1;
    return 0;
}

// RFC 822 zone names; offset in seconds east of UTC. False for an unknown name.
bool OffsetOfZoneName(const std::string& name, int& offset) {
    struct NamedOffset {
        std::string_view name;
        int hours;
    };
    static constexpr NamedOffset ZONES[] = {
        {"GMT", 0},  {"UT", 0},   {"UTC", 0},  {"Z", 0},    {"EST", -5}, {"EDT", -4}, {"CST", -6},
        {"CDT", -5}, {"MST", -7}, {"MDT", -6}, {"PST", -8}, {"PDT", -7}, {"JST", 9}};
    for (const NamedOffset& zone : ZONES)
        if (zone.name == name) {
            offset = zone.hours * 3600;
            return true;
        }
    return false;
}
}  // namespace

std::optional<int64_t> UtcSeconds(int year, int month, int day, int hour, int minute, int second) {
    const Civil civil{year, month, day, hour, minute, second};
    if (!IsRealCivil(civil)) return std::nullopt;
    return DaysFromEpoch(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

std::optional<int64_t> ParseIsoDateTime(std::string_view text, const ZoneClock& zone) {
    Scanner scan(TrimmedText(text));
    Civil civil;
    if (!ScanDate(scan, civil)) return std::nullopt;
    if (!scan.TakeAnyOf("T ")) return std::nullopt;
    scan.SkipSpaces();
    if (!ScanClock(scan, civil)) return std::nullopt;
    scan.SkipSpaces();
    if (scan.AtEnd()) return InZone(civil, zone);
    int offset = 0;
    if (!scan.TakeAnyOf("Zz") && !ScanNumericOffset(scan, offset)) return std::nullopt;
    if (!scan.AtEnd()) return std::nullopt;
    const std::optional<int64_t> seconds = ToSeconds(civil);
    if (!seconds) return std::nullopt;
    return *seconds - offset;
}

std::optional<int64_t> ParseDateAndTime(std::string_view date, std::string_view time,
                                        const ZoneClock& zone) {
    Scanner dateScan(TrimmedText(date));
    Scanner timeScan(TrimmedText(time));
    Civil civil;
    if (!ScanDate(dateScan, civil) || !dateScan.AtEnd()) return std::nullopt;
    if (!ScanClock(timeScan, civil) || !timeScan.AtEnd()) return std::nullopt;
    return InZone(civil, zone);
}

std::optional<int64_t> ParseRfc822DateTime(std::string_view text) {
    Scanner scan(TrimmedText(text));
    Civil civil;
    // An optional day name and comma.
    const size_t start = scan.Position();
    if (!scan.Word().empty()) {
        if (!scan.Take(',')) return std::nullopt;
    } else if (scan.Position() != start) {
        return std::nullopt;
    }
    scan.SkipSpaces();
    if (!scan.Number(civil.day, 1, 2)) return std::nullopt;
    scan.SkipSpaces();
    civil.month = MonthOfName(scan.Word());
    if (civil.month == 0) return std::nullopt;
    scan.SkipSpaces();
    const size_t yearStart = scan.Position();
    if (!scan.Number(civil.year, 2, 4)) return std::nullopt;
    if (scan.Position() - yearStart == 2) civil.year += civil.year < 50 ? 2000 : 1900;
    scan.SkipSpaces();
    if (!ScanClock(scan, civil)) return std::nullopt;
    scan.SkipSpaces();
    int offset = 0;
    if (!scan.AtEnd() && !ScanNumericOffset(scan, offset)) {
        const std::string name = scan.Word();
        if (!OffsetOfZoneName(name, offset)) return std::nullopt;
    }
    const std::optional<int64_t> seconds = ToSeconds(civil);
    if (!seconds) return std::nullopt;
    return *seconds - offset;
}

std::optional<int64_t> ParseLeadingMinute(std::string_view text, const ZoneClock& zone,
                                          size_t& length) {
    Scanner scan(text);
    Civil civil;
    if (!ScanDate(scan, civil) || !scan.Take(' ')) return std::nullopt;
    if (!scan.Number(civil.hour, 2, 2) || !scan.Take(':') || !scan.Number(civil.minute, 2, 2))
        return std::nullopt;
    length = scan.Position();
    return InZone(civil, zone);
}
