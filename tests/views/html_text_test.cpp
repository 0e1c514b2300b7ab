// The HTML pane's texts: the plain-text stand-in for a body, the video link of an advert and
// which body each page shows.
#include <gtest/gtest.h>

#include <string>

#include "app/app_core.h"
#include "views/advert_video.h"
#include "views/html_pane_body.h"
#include "views/html_plain_text.h"
#include "tests/support/test_os.h"

namespace {

TEST(HtmlPlainTextTest, BreaksLinesAtBrTagsInEverySpelling) {
    EXPECT_EQ(HtmlToPlainText("一行目<br>二行目<BR>三<br/>四<br />五"),
              "一行目\n二行目\n三\n四\n五");
    // The signal messages: a name line, then an empty line, the source's own line ends being
    // only white space.
    EXPECT_EQ(HtmlToPlainText("　山田：買い<br>\n<br>\n　鈴木：売り<br>\n<br>\n"),
              "　山田：買い\n\n　鈴木：売り\n\n");
}

TEST(HtmlPlainTextTest, RemovesTagsCommentsScriptsAndStyles) {
    EXPECT_EQ(HtmlToPlainText("<p><b>重要</b> <a href=\"x.html\" title=\"a>b\">詳細</a></p>"),
              "重要 詳細");
    EXPECT_EQ(HtmlToPlainText("前<!-- <br> hidden -->後"), "前後");
    EXPECT_EQ(HtmlToPlainText("a<script type=\"text/javascript\">if (1 < 2) x();</SCRIPT>b"), "ab");
    EXPECT_EQ(HtmlToPlainText("a<style>p { color: red }</style>b"), "ab");
    EXPECT_EQ(HtmlToPlainText("<iframe width=220 src=http://www.youtube.com/embed/x></iframe>"),
              "");
}

TEST(HtmlPlainTextTest, KeepsALoneLessThanSignAndDropsAnUnfinishedTag) {
    EXPECT_EQ(HtmlToPlainText("1 < 2"), "1 < 2");
    EXPECT_EQ(HtmlToPlainText("text<a href="), "text");
}

TEST(HtmlPlainTextTest, DecodesCharacterReferences) {
    FakeOs os;
    EXPECT_EQ(HtmlToPlainText("&lt;b&gt; &amp; &quot;q&quot; &apos;s&apos;"), "<b> & \"q\" 's'");
    EXPECT_EQ(HtmlToPlainText("&#65;&#x42;&#X63;"), "ABc");
    EXPECT_EQ(HtmlToPlainText("&#12354;&#x3044;"), "あい");
    EXPECT_EQ(HtmlToPlainText("a&nbsp;&nbsp;b"), "a  b");
    // Unknown, unterminated or impossible references stay as written.
    EXPECT_EQ(HtmlToPlainText("&copy2; &unknown; R&D &#0; &#xD800; &#99999999;"),
              "&copy2; &unknown; R&D &#0; &#xD800; &#99999999;");
}

TEST(HtmlPlainTextTest, FoldsWhiteSpaceLikeABrowser) {
    EXPECT_EQ(HtmlToPlainText("  a \t\r\n  b  <br>  c  "), "a b\nc");
    // The second byte of 表 (0x95 0x5C) and of ソ (0x83 0x5C) is no separator or markup.
    EXPECT_EQ(HtmlToPlainText("表示 ソフト"), "表示 ソフト");
}

TEST(HtmlPlainTextTest, EndsAtTheBoundOnAWholeCharacter) {
    FakeOs os;
    const std::string body = "x" + std::string(2000000, '&') + "<br>" + std::string(20000, 'a');
    const std::string text = HtmlToPlainText(body);
    EXPECT_GE(text.size(), PLAIN_TEXT_MAX_BYTES);
    EXPECT_LE(text.size(), PLAIN_TEXT_MAX_BYTES + 8);
    EXPECT_EQ(text, "x" + std::string(text.size() - 1, '&'));
    // Double-byte characters are never cut.
    std::string kana;
    for (size_t at = 0; at < PLAIN_TEXT_MAX_BYTES; ++at) kana += "あ";
    EXPECT_EQ(HtmlToPlainText("a" + kana).size() % 2, 1u);
    EXPECT_EQ(HtmlToPlainText("short &amp; whole"), "short & whole");
}

TEST(AdvertVideoTest, TurnsTheEmbeddedPlayerIntoTheVideosPage) {
    EXPECT_EQ(AdvertVideoAddress("<iframe width=220 src=http://www.youtube.com/embed/abc123 "
                                 "frameborder=0></iframe>"),
              "http://www.youtube.com/watch?v=abc123");
    // A quoted source keeps its closing quote after the id.
    EXPECT_EQ(AdvertVideoAddress("<iframe src=\"http://www.youtube.com/embed/abc123\" x>"),
              "http://www.youtube.com/watch?v=abc123\"");
    // Without the delimiters the text stays as it was.
    EXPECT_EQ(AdvertVideoAddress("noplayer"), "http://www.youtube.com/watch?v=noplayer");
}

std::string FeedItem(int id, const std::string& body, long when) {
    return std::to_string(id) + "<<>>title<<>>" + body + "<<>>x<<>>" + std::to_string(when) +
           "<<>>\n";
}

class HtmlPaneBodyTest : public ::testing::Test {
protected:
    HtmlPaneBodyTest() {
        std::string news = "header\n";
        for (int id = 1; id <= 7; ++id)
            news += FeedItem(id, "news " + std::to_string(id), id * 100);
        core.m_newsStore.UpdateFromFeed(news, false);
        core.m_noticeStore.UpdateFromFeed(
            "header\n" + FeedItem(1, "old notice", 100) + FeedItem(2, "new notice", 200), true);
    }

    FakeOs os;
    CAppCore core;
};

TEST_F(HtmlPaneBodyTest, ShowsTheSelectedNewsItem) {
    core.m_page = 2;
    EXPECT_EQ(HtmlPaneBody(core, 0, 0), "news 7");
    EXPECT_EQ(HtmlPaneBody(core, 4, 0), "news 3");
    EXPECT_EQ(HtmlPaneBody(core, 6, 0), "news 1");
    EXPECT_EQ(HtmlPaneBody(core, 7, 0), "");  // past the oldest item
}

TEST_F(HtmlPaneBodyTest, ShowsTheCurrentNoticeOrTheSignalMessages) {
    core.m_page = 3;
    EXPECT_EQ(HtmlPaneBody(core, 0, 0), "new notice");
    EXPECT_EQ(HtmlPaneBody(core, 0, 1), "old notice");
    EXPECT_EQ(HtmlPaneBody(core, 0, 2), "");
    core.m_page = 4;
    core.m_serverPoll.traderNames[3] = "山田";
    core.m_serverPoll.messages.emplace(1, "1,3,1,買い");
    EXPECT_EQ(HtmlPaneBody(core, 0, 0), "　山田：買い<br>\n<br>\n");
}

TEST_F(HtmlPaneBodyTest, ShowsNothingOnTheIndicatorPages) {
    for (int page : {0, 1}) {
        core.m_page = page;
        EXPECT_EQ(HtmlPaneBody(core, 0, 0), "");
    }
}

}  // namespace
