#include "views/html_page.h"

#include <gtest/gtest.h>

#include <string>

#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {

const std::string HEAD =
    "<!-- saved from url=(0014)about:internet -->\n"
    "<html><head><meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"
    "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\"><link rel=\"stylesheet\" "
    "type=\"text/css\" href=\"qz.css\"><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=Shift-JIS\" /></head><body style=\"font-size: 9pt; color: white; "
    "background-image: url(../system/htmlbg.png); background-repeat: repeat; "
    "line-height: 160%; ";

TEST(HtmlPageTest, PutsATextBodyInTheFrameWithAMargin) {
    EXPECT_EQ(BuildHtmlPage("お知らせ<br>本文"),
              HEAD + "margin: 4px; \">お知らせ<br>本文</body></html>");
    EXPECT_EQ(BuildHtmlPage(""), HEAD + "margin: 4px; \"></body></html>");
}

TEST(HtmlPageTest, LetsAVideoPlayerFillThePaneWithoutScrollBars) {
    std::string player = "<iframe src=http://www.youtube.com/embed/abc123 width=220></iframe>";
    EXPECT_EQ(BuildHtmlPage(player),
              HEAD + "margin: 0px; overflow-x: hidden; overflow-y: hidden; \">" + player +
                  "</body></html>");
    // Only the exact spelling marks a player.
    EXPECT_EQ(BuildHtmlPage("YouTube"), HEAD + "margin: 4px; \">YouTube</body></html>");
}

TEST(HtmlPageTest, WritesThePageFileWithCrLfLineEnds) {
    FakeOs os;
    std::string page = BuildHtmlPage("a<br>\nb");
    ASSERT_TRUE(WriteHtmlPage(page));
    std::string expected = page;
    for (size_t at = 0; (at = expected.find('\n', at)) != std::string::npos; at += 2) {
        expected.insert(at, "\r");
    }
    EXPECT_EQ(ReadBytes(os.folder.Path() + "system/ialweb.dat"), expected);
    EXPECT_EQ(expected.substr(0, 46), "<!-- saved from url=(0014)about:internet -->\r\n");

    ASSERT_TRUE(WriteHtmlPage(BuildHtmlPage("second")));
    EXPECT_EQ(ReadBytes(PageFilePath()).find("a<br>"), std::string::npos);
}

}  // namespace
