// News feeds and notices published and read back by the panel's own reader after its EUC-JP
// conversion: titles, times and sanitised bodies arrive, ids stay from run to run, and hostile
// feeds are refused without touching the previous files.
#include <gtest/gtest.h>

#include <sys/time.h>

#include "publish/time_text.h"
#include "tests/publish/publish_fixture.h"

namespace {
const std::string RSS_FEED = Utf8(
    u8R"FEED(<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0" xmlns:content="http://purl.org/rss/1.0/modules/content/">
<channel><title>t</title><link>https://news.example/</link><description>d</description>
<item>
 <title>ドル円 &amp; ユーロ &lt;速報&gt;</title>
 <link>https://news.example/1</link>
 <guid>n-1</guid>
 <pubDate>Mon, 09 Mar 2026 09:00:00 +0900</pubDate>
 <description><![CDATA[<p onclick="steal()">東京市場 <b>151円</b><script>alert(1)</script><a href="javascript:alert(1)">x</a> <a href="https://ok.example/?a=1&amp;b=2">ok</a><iframe src="https://evil.example/"></iframe><style>p{}</style>&eacute;<form action="https://evil.example/"><input name="p"></form></p>]]></description>
</item>
<item>
 <title>Dollar 髙 😀</title>
 <link>https://news.example/2</link>
 <pubDate>Mon, 09 Mar 2026 01:00:00 GMT</pubDate>
 <description>Plain &lt;i&gt;escaped&lt;/i&gt; text &amp;amp; more</description>
</item>
</channel></rss>
)FEED");

const std::string ATOM = Utf8(
    u8R"FEED(<?xml version="1.0" encoding="UTF-8"?>
<feed xmlns="http://www.w3.org/2005/Atom"><title>a</title><id>urn:a</id><updated>2026-03-09T10:00:00Z</updated>
<entry><title type="html">&lt;b&gt;BoJ&lt;/b&gt; holds</title><id>urn:e1</id>
 <link rel="alternate" href="https://atom.example/e1"/><updated>2026-03-09T10:00:00+09:00</updated>
 <content type="xhtml"><div xmlns="http://www.w3.org/1999/xhtml"><p>金利 <em>据え置き</em></p><img src="javascript:x" /><img src="https://atom.example/a.png" onerror="x()" alt="chart"/></div></content></entry>
<entry><title>Yen</title><id>urn:e2</id><published>2026-03-08T10:00:00Z</published><summary>1 &lt; 2</summary></entry>
</feed>
)FEED");

int64_t Utc(int year, int month, int day, int hour, int minute) {
    return *UtcSeconds(year, month, day, hour, minute, 0);
}

class NewsRoundTrip : public PublishFixture {};

TEST_F(NewsRoundTrip, RssAndAtomItemsArriveNewestFirstWithSanitisedBodies) {
    options.news = {Source("news.rss", RSS_FEED), Source("news.atom", ATOM)};
    ASSERT_TRUE(Run()) << error;
    const std::vector<iaNews> items = News();
    ASSERT_EQ(items.size(), 4u);

    EXPECT_EQ(items[0].title, "BoJ holds");
    EXPECT_EQ(items[0].when, Utc(2026, 3, 9, 1, 0));
    EXPECT_EQ(items[0].body,
              "<div><p>金利 <em>据え置き</em></p><img src=\"https://atom.example/a.png\" "
              "alt=\"chart\"></div>"
              "<br><a href=\"https://atom.example/e1\">https://atom.example/e1</a>");
    // Same time: the later id first.
    EXPECT_EQ(items[1].title, "Dollar ? ?");  // 髙 has no EUC-JP code, the emoji no CP932 one
    EXPECT_EQ(items[1].when, Utc(2026, 3, 9, 1, 0));
    EXPECT_EQ(items[1].body,
              "Plain <i>escaped</i> text &amp; more<br><a "
              "href=\"https://news.example/2\">https://news.example/2</a>");
    EXPECT_EQ(items[2].title, "ドル円 & ユーロ <速報>");
    EXPECT_EQ(items[2].when, Utc(2026, 3, 9, 0, 0));
    EXPECT_EQ(
        items[2].body,
        "<p>東京市場 <b>151円</b><a>x</a> <a href=\"https://ok.example/?a=1&amp;b=2\">ok</a>e</p>"
        "<br><a href=\"https://news.example/1\">https://news.example/1</a>");
    EXPECT_EQ(items[3].title, "Yen");
    EXPECT_EQ(items[3].body, "1 &lt; 2");
    for (const iaNews& item : items) EXPECT_FALSE(item.advert);
}

TEST_F(NewsRoundTrip, CharactersCp932LacksArriveAsTheirEquivalentsAndStayText) {
    options.news = {Source("hostile.rss", Utf8(u8R"FEED(<rss version="2.0"><channel><item>
 <title>‹b› «Fed» „Zins“ – 5 €</title><guid>h-1</guid>
 <link>https://news.example/„onmouseover=x()</link>
 <description>&lt;p title="a„"&gt;&amp;#x2039;script&amp;#x203A;alert(1)‹/script› Café&lt;/p&gt;</description>
</item></channel></rss>)FEED"))};
    ASSERT_TRUE(Run()) << error;
    const std::vector<iaNews> items = News();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].title, "〈b〉 《Fed》 “Zins“ - 5 EUR");
    EXPECT_EQ(items[0].body,
              "<p>〈script〉alert(1)〈/script〉 Cafe</p><br><a "
              "href=\"https://news.example/“onmouseover=x()\">https://news.example/"
              "“onmouseover=x()</a>");
}

TEST_F(NewsRoundTrip, ItemsKeepTheirIdsAcrossRunsAndNewOnesGetNewIds) {
    options.news = {Source("news.rss", RSS_FEED)};
    ASSERT_TRUE(Run()) << error;
    const std::vector<iaNews> first = News();
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[1].id, 1);  // n-1, by its guid
    EXPECT_EQ(first[0].id, 2);  // by its link

    std::string changed = RSS_FEED;
    const std::string tokyo = Utf8(u8"東京市場");
    changed.replace(changed.find(tokyo), tokyo.size(), Utf8(u8"大阪市場"));
    changed.replace(
        changed.find("<item>"), 6,
        "<item><title>New</title><guid>n-3</guid><pubDate>Tue, 10 Mar 2026 08:00:00 +0900</pubDate>"
        "<description>fresh</description></item><item>");
    options.news = {Source("news.rss", changed)};
    ASSERT_TRUE(Run(RUN_TIME + 600)) << error;
    const std::vector<iaNews> second = News();
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[0].title, "New");
    EXPECT_EQ(second[0].id, 3);
    EXPECT_EQ(second[1].id, 2);
    EXPECT_EQ(second[2].id, 1);
    EXPECT_NE(second[2].body.find("大阪市場"), std::string::npos);
}

TEST_F(NewsRoundTrip, AnItemWithoutTimeKeepsTheTimeItWasFirstSeen) {
    const std::string undated = Utf8(
        u8"<rss version=\"2.0\"><channel><item><title>Undated</title>"
        u8"<guid>u</guid></item></channel></rss>");
    options.news = {Source("undated.rss", undated)};
    ASSERT_TRUE(Run()) << error;
    ASSERT_TRUE(Run(RUN_TIME + 3600)) << error;
    const std::vector<iaNews> items = News();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].when, RUN_TIME);
}

TEST_F(NewsRoundTrip, HostileAndBrokenFeedsAreRefusedAndLeaveThePreviousFilesAlone) {
    options.news = {Source("good.rss", RSS_FEED)};
    ASSERT_TRUE(Run()) << error;
    const std::vector<std::string> before = AllOutputs();

    const std::string secret = Source("secret.txt", "TOP-SECRET");
    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE rss [\n<!ENTITY l0 \"ha\">\n";
    for (int level = 1; level <= 12; ++level)
        laughs += "<!ENTITY l" + std::to_string(level) + " \"" + [&] {
            std::string refs;
            for (int i = 0; i < 10; ++i) refs += "&l" + std::to_string(level - 1) + ";";
            return refs;
        }() + "\">\n";
    laughs +=
        "]>\n<rss version=\"2.0\"><channel><item><title>&l12;</title></item></channel></rss>\n";
    struct Case {
        std::string name, text, message;
    };
    const Case cases[] = {
        {"bomb.rss", laughs, "bomb.rss: line "},
        {"xxe.rss",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE rss [<!ENTITY x SYSTEM \"file://" + secret +
             "\">]>\n<rss "
             "version=\"2.0\"><channel><item><title>&x;</title></item></channel></rss>\n",
         "xxe.rss: line 1: the document declares entities, which a feed must not"},
        {"broken.rss", "<rss version=\"2.0\"><channel>\n<item><title>x</item></channel></rss>",
         "broken.rss: line 2: "},
        {"html.rss", "<html><body>not a feed</body></html>",
         "html.rss: line 1: neither an RSS <rss> nor an Atom <feed> document"},
    };
    for (const Case& c : cases) {
        options.news = {Source("good.rss", RSS_FEED), Source(c.name, c.text)};
        EXPECT_FALSE(Run(RUN_TIME + 60)) << c.name;
        EXPECT_TRUE(error.starts_with(folder.Path() + c.message)) << error;
        EXPECT_EQ(AllOutputs(), before) << c.name;
    }
}

TEST_F(NewsRoundTrip, NoticesComeFromTextFilesWithTheirDatesAndParagraphs) {
    Source("notices/a.txt",
           Utf8(u8"2026-03-08 10:00 メンテナンスのお知らせ\n下記の日程で\n行います。\n\n"
                u8"詳しくは <ここ> & 下記\n"));
    const std::string undated =
        Source("notices/b.txt", Utf8(u8"\xEF\xBB\xBFNew version\r\nPlease update.\r\n"));
    Source("notices/.draft.txt", "Draft\nnot yet\n");
    Source("notices/readme.md", "Not a notice\n");
    const struct timeval modified[2] = {{RUN_TIME - 7200, 0}, {RUN_TIME - 7200, 0}};
    ASSERT_EQ(::utimes(undated.c_str(), modified), 0);
    options.noticeFolder = folder.Path() + "notices";
    ASSERT_TRUE(Run()) << error;
    const std::vector<iaNews> notices = Notices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].title, "New version");
    EXPECT_EQ(notices[0].when, RUN_TIME - 7200);
    EXPECT_EQ(notices[0].body, "Please update.");
    EXPECT_EQ(notices[1].title, "メンテナンスのお知らせ");
    EXPECT_EQ(notices[1].when, Utc(2026, 3, 8, 1, 0));
    EXPECT_EQ(notices[1].body, "下記の日程で 行います。<br>詳しくは &lt;ここ&gt; &amp; 下記");
    EXPECT_EQ(summary.notices, 2u);

    // A notice and a news item never share an id's meaning, but ids are never given twice.
    const int32_t firstId = notices[1].id;
    ASSERT_TRUE(Run(RUN_TIME + 60)) << error;
    EXPECT_EQ(Notices()[1].id, firstId);
}
}  // namespace
