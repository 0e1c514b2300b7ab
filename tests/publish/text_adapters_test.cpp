// The text conversions the adapters share: UTF-8 to CP932, source dates and times, CSV records
// and the HTML sanitiser.
#include <gtest/gtest.h>

#include "publish/utf8_to_cp932.h"
#include "publish/csv_table.h"
#include "publish/html_sanitizer.h"
#include "publish/time_text.h"
#include "tests/publish/utf8_text.h"

namespace {
TEST(Utf8ToCp932, ConvertsWhatCp932HoldsAndReplacesTheRest) {
    struct Case {
        std::u8string utf8;
        std::string cp932;  // a CP932 literal
    };
    const Case cases[] = {
        {u8"ドル円 151.20", "ドル円 151.20"},
        {u8"①髙ｱ", "①髙ｱ"},            // NEC and IBM extensions, half-width kana
        {u8"〜‖−¢£¬", "～∥－￠￡￢"},  // JIS forms to CP932's
        {u8"a—b–c\u00A0d", "a―b-c d"},
        {u8"Café Zürich Ørsted", "Cafe Zurich Orsted"},
        {u8"€100 📈", "EUR100 ?"},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToCp932(Utf8(c.utf8)), c.cp932) << Utf8(c.utf8);
    // Broken UTF-8: one "?" per byte that starts no whole character.
    EXPECT_EQ(Utf8ToCp932("a\xE3\x81"
                          "b"),
              "a??b");
    EXPECT_EQ(Utf8ToCp932("\xC0\xAF\xED\xA0\x80!"),
              "?????"
              "!");
    EXPECT_EQ(Utf8ToCp932("\xF0\x9F\x93"), "???");
}

TEST(TimeText, ReadsIsoAndRfc822TimesAndRefusesImpossibleOnes) {
    const ZoneClock tokyo = *ZoneClock::ForZone("Asia/Tokyo");
    const ZoneClock newYork = *ZoneClock::ForZone("America/New_York");
    const int64_t at = *UtcSeconds(2026, 3, 10, 12, 30, 0);
    EXPECT_EQ(ParseIsoDateTime("2026-03-10T21:30:00+09:00", tokyo), at);
    EXPECT_EQ(ParseIsoDateTime("2026-03-10T12:30Z", newYork), at);
    EXPECT_EQ(ParseIsoDateTime(" 2026-03-10 21:30 ", tokyo), at);
    EXPECT_EQ(ParseIsoDateTime("2026/3/10 08:30", newYork), at);  // EDT, UTC-4
    EXPECT_EQ(ParseIsoDateTime("2026-03-10T07:30:00.250-0500", tokyo), at);
    EXPECT_EQ(ParseIsoDateTime("2026-03-06 08:30", newYork), at - 4 * 86400 + 3600);  // EST
    EXPECT_EQ(ParseDateAndTime("2026-03-10", "21:30", tokyo), at);
    EXPECT_EQ(ParseRfc822DateTime("Tue, 10 Mar 2026 21:30:00 +0900"), at);
    EXPECT_EQ(ParseRfc822DateTime("10 Mar 26 12:30 GMT"), at);
    EXPECT_EQ(ParseRfc822DateTime("Tue, 10 Mar 2026 08:30:00 EDT"), at);
    for (const char* bad : {"2026-02-29 10:00", "2026-13-01 10:00", "2026-03-10 24:00",
                            "2026-03-10", "tomorrow", "2026-03-10T10:00+0900x", ""})
        EXPECT_FALSE(ParseIsoDateTime(bad, tokyo)) << bad;
    for (const char* bad :
         {"Tue, 10 Foo 2026 10:00 GMT", "10 Mar 2026 10:00 XYZ", "Tue 10 Mar 2026"})
        EXPECT_FALSE(ParseRfc822DateTime(bad)) << bad;
}

TEST(CsvTable, ReadsQuotedFieldsAndNamesTheLineOfAnError) {
    std::vector<CsvRecord> records;
    std::string error;
    ASSERT_TRUE(
        ReadCsv("\xEF\xBB\xBF"
                "a,b\r\n\"x, y\",\"two\nlines \"\"q\"\"\"\r\n\r\nlast,\n",
                records, error));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"x, y", "two\nlines \"q\""}));
    EXPECT_EQ(records[2].line, 5);
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"last", ""}));
    const CsvColumns columns(records[0]);
    EXPECT_EQ(columns.Find(" B "), 1);
    EXPECT_EQ(columns.Get(records[2], "c"), "");

    EXPECT_FALSE(ReadCsv("a\n\"b\"c\n", records, error));
    EXPECT_EQ(error, "line 2: text after a closing quote");
}

TEST(SanitizeHtml, KeepsHarmlessMarkupOnly) {
    struct Case {
        const char8_t* html;
        const char8_t* safe;
    };
    const Case cases[] = {
        {u8"<p class=\"x\" onmouseover=\"evil()\">a<br/>b</p>", u8"<p>a<br>b</p>"},
        {u8"<a href=\" JavaScript:alert(1)\">x</a><a href=\"//evil/\">y</a>", u8"<a>x</a><a>y</a>"},
        {u8"<a href=\"HTTPS://ok/?q=1&amp;r=&quot;2&quot;\" target=_blank>z</a>",
         u8"<a href=\"HTTPS://ok/?q=1&amp;r=&quot;2&quot;\">z</a>"},
        {u8"<img src=\"data:image/png;base64,AAAA\"><img src=\"http://i/x.png\" style=\"w\">",
         u8"<img src=\"http://i/x.png\">"},
        {u8"<script>bad()</script><style>p{}</style><iframe "
         u8"src=http://x></iframe><object>o</object>"
         u8"<form><input value=v><textarea>t</textarea></form>ok",
         u8"ok"},
        {u8"<font color=red><center>kept text</center></font>", u8"kept text"},
        {u8"&lt;b&gt; &amp;amp; &eacute;&#x1F4C8;\nnext", u8"&lt;b&gt; &amp;amp; é📈 next"},
        {u8"<table><tr><td>1</td></tr></table>", u8"<table><tr><td>1</td></tr></table>"},
    };
    for (const Case& c : cases) EXPECT_EQ(SanitizeHtml(Utf8(c.html)), Utf8(c.safe)) << Utf8(c.html);
    std::string deep;
    for (int i = 0; i < 10000; ++i) deep += "<span>";
    EXPECT_LE(SanitizeHtml(deep + "x").size(), deep.size());
}
}  // namespace
