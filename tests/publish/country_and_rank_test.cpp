// The mappings of calendar codes and importance words to the panel's country index and rank.
#include <gtest/gtest.h>

#include "publish/announcement.h"
#include "publish/country_codes.h"
#include "publish/rank_words.h"
#include "tests/publish/utf8_text.h"

namespace {
TEST(CountryCodes, CurrenciesAndCountriesMapToTheFlagTable) {
    struct Case {
        const char* code;
        int32_t index;
    };
    const Case cases[] = {{"CAD", 0},  {"CA", 0},   {"CHF", 1},  {"EUR", 2},  {"EU", 2},
                          {"IT", 2},   {"FR", 3},   {"GBP", 4},  {"GB", 4},   {"UK", 4},
                          {"DE", 5},   {"HKD", 6},  {"JPY", 7},  {"jp", 7},   {"NZD", 8},
                          {"ZAR", 9},  {"USD", 10}, {"US", 10},  {"SEK", 11}, {"AUD", 12},
                          {"NOK", 13}, {"SGD", 14}, {"CNY", 15}, {"CN", 15}};
    for (const Case& c : cases) EXPECT_EQ(CountryIndexOfCode(c.code), c.index) << c.code;
    EXPECT_FALSE(CountryIndexOfCode("XYZ"));
    EXPECT_FALSE(CountryIndexOfCode(""));
}

TEST(CountryCodes, LeadingCodesOfSummariesAreTakenOffTheName) {
    struct Case {
        const char* summary;
        int32_t country;
        const char* rest;
    };
    const Case cases[] = {
        {"USD Non-Farm Payrolls", 10, "Non-Farm Payrolls"},
        {"[JPY] BoJ Rate Decision", 7, "BoJ Rate Decision"},
        {"EUR: CPI y/y", 2, "CPI y/y"},
        {"US - Retail Sales", 10, "Retail Sales"},
        {"[XYZ] Unknown place", NO_COUNTRY, "Unknown place"},
        {"XYZ: Unknown place", NO_COUNTRY, "Unknown place"},
    };
    for (const Case& c : cases) {
        std::optional<LeadingCode> code = SplitLeadingCountryCode(c.summary);
        ASSERT_TRUE(code) << c.summary;
        EXPECT_EQ(code->country, c.country) << c.summary;
        EXPECT_EQ(code->restName, c.rest) << c.summary;
    }
    // A bare unknown word of capitals is part of the name.
    EXPECT_FALSE(SplitLeadingCountryCode("GDP growth"));
    EXPECT_FALSE(SplitLeadingCountryCode("Retail Sales"));
}

TEST(RankWords, WordsNumbersAndPrioritiesMapToRanksOneToFive) {
    EXPECT_EQ(RankOfWord("High"), 5);
    EXPECT_EQ(RankOfWord(" high impact expected "), 5);
    EXPECT_EQ(RankOfWord(Utf8(u8"高")), 5);
    EXPECT_EQ(RankOfWord("Medium"), 3);
    EXPECT_EQ(RankOfWord(Utf8(u8"中")), 3);
    EXPECT_EQ(RankOfWord("LOW"), 1);
    EXPECT_EQ(RankOfWord(Utf8(u8"低")), 1);
    EXPECT_EQ(RankOfWord("4"), 4);
    EXPECT_FALSE(RankOfWord("6"));
    EXPECT_FALSE(RankOfWord(Utf8(u8"中国")));
    EXPECT_FALSE(RankOfWord("Holiday"));

    const int32_t byPriority[10] = {0, 5, 5, 4, 4, 3, 2, 2, 1, 1};
    EXPECT_FALSE(RankOfPriority(0));
    for (int priority = 1; priority <= 9; ++priority)
        EXPECT_EQ(RankOfPriority(priority), byPriority[priority]) << priority;
    EXPECT_FALSE(RankOfPriority(10));
}
}  // namespace
