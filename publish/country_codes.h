// Country and currency codes of calendar sources, mapped to the panel's country index (the flag
// table of the indicator list: 0 Canada ... 15 China).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The index of an ISO 4217 currency (USD, JPY, EUR, ...) or ISO 3166 country code (US, JP, GB,
// DE, FR, EU, ...), upper or lower case; a euro-area country without a flag of its own (IT, ES,
// NL, ...) takes the European Union's. None for a text that is no code we know.
std::optional<int32_t> CountryIndexOfCode(std::string_view code);

// A name that starts with a country code as calendars write it: "USD ", "[USD] ", "USD: ",
// "US - ". A bracketed, colon or dash code is taken even when unknown (it then draws no flag);
// a bare code only when known, so that "GDP growth" keeps its first word.
struct LeadingCode {
    int32_t country;       // the index, or NO_COUNTRY for an unknown code
    std::string restName;  // the name without the code
};
std::optional<LeadingCode> SplitLeadingCountryCode(std::string_view name);
