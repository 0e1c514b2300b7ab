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

constexpr int32_t kCanada = 0, kSwitzerland = 1, kEuropeanUnion = 2, kFrance = 3, kUk = 4,
                  kGermany = 5, kHongKong = 6, JAPAN = 7, kNewZealand = 8, kSouthAfrica = 9,
                  kUs = 10, kSweden = 11, kAustralia = 12, kNorway = 13, kSingapore = 14,
                  kChina = 15;

constexpr std::array kCodes = {
    // ISO 4217 currencies
    CodeIndex{"CAD", kCanada}, CodeIndex{"CHF", kSwitzerland}, CodeIndex{"EUR", kEuropeanUnion},
    CodeIndex{"GBP", kUk}, CodeIndex{"HKD", kHongKong}, CodeIndex{"JPY", JAPAN},
    CodeIndex{"NZD", kNewZealand}, CodeIndex{"ZAR", kSouthAfrica}, CodeIndex{"USD", kUs},
    CodeIndex{"SEK", kSweden}, CodeIndex{"AUD", kAustralia}, CodeIndex{"NOK", kNorway},
    CodeIndex{"SGD", kSingapore}, CodeIndex{"CNY", kChina}, CodeIndex{"CNH", kChina},
    // ISO 3166 countries, and the usual names of the euro area and the United Kingdom
    CodeIndex{"CA", kCanada}, CodeIndex{"CH", kSwitzerland}, CodeIndex{"EU", kEuropeanUnion},
    CodeIndex{"EZ", kEuropeanUnion}, CodeIndex{"EMU", kEuropeanUnion}, CodeIndex{"FR", kFrance},
    CodeIndex{"GB", kUk}, CodeIndex{"UK", kUk}, CodeIndex{"DE", kGermany},
    CodeIndex{"HK", kHongKong}, CodeIndex{"JP", JAPAN}, CodeIndex{"NZ", kNewZealand},
    CodeIndex{"ZA", kSouthAfrica}, CodeIndex{"US", kUs}, CodeIndex{"SE", kSweden},
    CodeIndex{"AU", kAustralia}, CodeIndex{"NO", kNorway}, CodeIndex{"SG", kSingapore},
    CodeIndex{"CN", kChina},
    // euro-area members without a flag of their own
    CodeIndex{"IT", kEuropeanUnion}, CodeIndex{"ES", kEuropeanUnion},
    CodeIndex{"NL", kEuropeanUnion}, CodeIndex{"BE", kEuropeanUnion},
    CodeIndex{"AT", kEuropeanUnion}, CodeIndex{"PT", kEuropeanUnion},
    CodeIndex{"IE", kEuropeanUnion}, CodeIndex{"FI", kEuropeanUnion},
    CodeIndex{"GR", kEuropeanUnion},
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
    return LeadingCode{CountryIndexOfCode(code).value_or(kNoCountry),
                       std::string(TrimmedLeft(rest))};
}
}  // namespace

std::optional<int32_t> CountryIndexOfCode(std::string_view code) {
    const std::string upper = Upper(code);
    for (const CodeIndex& entry : kCodes)
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
