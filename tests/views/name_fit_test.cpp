#include "views/name_fit.h"

#include <gtest/gtest.h>

#include <string>

#include "base/cp932_text.h"

namespace {

// Six pixels a byte: a double-byte character is twice as wide as a single-byte one.
int SixPerByte(const std::string& text) { return static_cast<int>(text.size()) * 6; }

// True when text ends on a character boundary of CP932.
bool EndsOnCharacter(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) at += IsCp932LeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    return at == text.size();
}

}  // namespace

TEST(NameFitTest, NameBelowTheLimitStaysWhole) {
    EXPECT_EQ(FitNameToWidth("GDP", 19, SixPerByte), "GDP");
    EXPECT_EQ(FitNameToWidth("", 1, SixPerByte), "");
    EXPECT_EQ(FitNameToWidth("米国雇用統計", 73, SixPerByte), "米国雇用統計");
}

TEST(NameFitTest, LongNameIsCutByWholeCharactersAndEndsWithDots) {
    EXPECT_EQ(FitNameToWidth("米国雇用統計", 60, SixPerByte), "米国雇...");
    EXPECT_EQ(FitNameToWidth("Retail Sales", 60, SixPerByte), "Retail...");
    // A name of its own ending in dots is cut like any other.
    EXPECT_EQ(FitNameToWidth("ABCD...", 40, SixPerByte), "ABC...");
}

TEST(NameFitTest, TrailBytesThatLookLikeLeadBytesNeverSplitACharacter) {
    // The second byte of 国 (0x8D 0x91) is also a valid first byte.
    const std::string name = "国A国B国国C";
    for (int limit = 0; limit <= SixPerByte(name) + 1; ++limit) {
        std::string fitted = FitNameToWidth(name, limit, SixPerByte);
        ASSERT_GE(fitted.size(), 3u);
        std::string kept = fitted == name ? name : fitted.substr(0, fitted.size() - 3);
        EXPECT_EQ(name.compare(0, kept.size(), kept), 0) << limit;
        EXPECT_TRUE(EndsOnCharacter(kept)) << limit;
    }
}

TEST(NameFitTest, LimitNarrowerThanTheDotsGivesTheDotsAlone) {
    EXPECT_EQ(FitNameToWidth("Retail Sales", 18, SixPerByte), "...");
    EXPECT_EQ(FitNameToWidth("米", -50, SixPerByte), "...");
}
