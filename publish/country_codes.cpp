#include "publish/country_codes.h"

#include <array>
#include <cctype>
#include <utility>

#include "publish/announcement.h"

namespace {
struct CodeIndex {
    std::string_view code;
    int32_t index;
};

constexpr int32_t CANADA = 0, SWITZERLAND = 1, EUROPEAN_UNION = 2, FRANCE = 3, UNITED_KINGDOM = 4,
                  GERMANY = 5, HONG_KONG = 6, JAPAN = 7, NEW_ZEALAND = 8, SOUTH_AFRICA = 9,
                  UNITED_STATES = 10, SWEDEN = 11, AUSTRALIA = 12, NORWAY = 13, SINGAPORE = 14,
                  CHINA = 15;

constexpr std::array CODES = {
    // ISO 4217 currencies
    CodeIndex{"CAD", CANADA},
    CodeIndex{"CHF", SWITZERLAND},
    CodeIndex{"EUR", EUROPEAN_UNION},
    CodeIndex{"GBP", UNITED_KINGDOM},
    CodeIndex{"HKD", HONG_KONG},
    CodeIndex{"JPY", JAPAN},
    CodeIndex{"NZD", NEW_ZEALAND},
    CodeIndex{"ZAR", SOUTH_AFRICA},
    CodeIndex{"USD", UNITED_STATES},
    CodeIndex{"SEK", SWEDEN},
    CodeIndex{"AUD", AUSTRALIA},
    CodeIndex{"NOK", NORWAY},
    CodeIndex{"SGD", SINGAPORE},
    CodeIndex{"CNY", CHINA},
    CodeIndex{"CNH", CHINA},
    // ISO 3166 countries, and the usual names of the euro area and the United Kingdom
    CodeIndex{"CA", CANADA},
    CodeIndex{"CH", SWITZERLAND},
    CodeIndex{"EU", EUROPEAN_UNION},
    CodeIndex{"EZ", EUROPEAN_UNION},
    CodeIndex{"EMU", EUROPEAN_UNION},
    CodeIndex{"FR", FRANCE},
    CodeIndex{"GB", UNITED_KINGDOM},
    CodeIndex{"UK", UNITED_KINGDOM},
    CodeIndex{"DE", GERMANY},
    CodeIndex{"HK", HONG_KONG},
    CodeIndex{"JP", JAPAN},
    CodeIndex{"NZ", NEW_ZEALAND},
    CodeIndex{"ZA", SOUTH_AFRICA},
    CodeIndex{"US", UNITED_STATES},
    CodeIndex{"SE", SWEDEN},
    CodeIndex{"AU", AUSTRALIA},
    CodeIndex{"NO", NORWAY},
    CodeIndex{"SG", SINGAPORE},
    CodeIndex{"CN", CHINA},
    // euro-area members without a flag of their own
    CodeIndex{"IT", EUROPEAN_UNION},
    CodeIndex{"ES", EUROPEAN_UNION},
    CodeIndex{"NL", EUROPEAN_UNION},
    CodeIndex{"BE", EUROPEAN_UNION},
    CodeIndex{"AT", EUROPEAN_UNION},
    CodeIndex{"PT", EUROPEAN_UNION},
    CodeIndex{"IE", EUROPEAN_UNION},
    CodeIndex{"FI", EUROPEAN_UNION},
    CodeIndex{"GR", EUROPEAN_UNION},
};

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// The length of a run of two or three capital letters at the start, or 0.
size_t CodeLength(std::string_view text) {
    size_t length = 0;
    while (length < text.size() && length < 4 && IsUpper(text[length])) ++length;
    return length == 2 || length == 3 ? length : 0;
}

std::string_view TrimmedLeft(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

LeadingCode Split(std::string_view code, std::string_view rest) {
    return LeadingCode{CountryIndexOfCode(code).value_or(NO_COUNTRY),
                       std::string(TrimmedLeft(rest))};
}
}  // namespace

std::optional<int32_t> CountryIndexOfCode(std::string_view code) {
    const std::string upper = Upper(code);
    for (const CodeIndex& entry : CODES)
        if (entry.code == upper) return entry.index;
    return std::nullopt;
}

std::optional<LeadingCode> SplitLeadingCountryCode(std::string_view name) {
    name = TrimmedLeft(name);
    if (name.starts_with("[")) {
        const size_t length = CodeLength(name.substr(1));
        if (length && name.substr(1 + length).starts_with("]"))
            return Split(name.substr(1, length), name.substr(2 + length));
        return std::nullopt;
    }
    const size_t length = CodeLength(name);
    if (!length) return std::nullopt;
    const std::string_view code = name.substr(0, length);
    const std::string_view after = name.substr(length);
    if (after.starts_with(":")) return Split(code, after.substr(1));
    if (after.starts_with(" - ")) return Split(code, after.substr(3));
    if (after.starts_with(" ") && CountryIndexOfCode(code)) return Split(code, after);
    return std::nullopt;
}
