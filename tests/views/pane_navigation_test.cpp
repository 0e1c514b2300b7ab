// Where the HTML pane may go: only to its page file; web links open in the default browser.
#include "views/pane_navigation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// As PageUrl builds it for C:\Program Files\Pelimor #1\ (space and "#" escaped).
const std::string PAGE = "file:///C:/Program%20Files/Pelimor%20%231/system/ialweb.dat";

PaneNavigation Click(const std::string& url) { return JudgePaneNavigation(url, PAGE, false, true); }

TEST(PaneNavigation, ThePageFileIsShownInAnyFormTheControlReportsIt) {
    for (const std::string& url : {
             PAGE, std::string("file:///c:/program%20files/PELIMOR%20%231/system/IALWEB.DAT"),
             std::string("file://C:\\Program Files\\Pelimor #1\\system\\ialweb.dat"),
             std::string("C:\\Program Files\\Pelimor #1\\system\\ialweb.dat"),
             std::string("file:///C:/Program Files/Pelimor #1/system/ialweb.dat"),
             PAGE + "#top",  // a jump inside the page
         }) {
        EXPECT_EQ(Click(url), PaneNavigation::Show) << url;
    }
}

TEST(PaneNavigation, TheProgramsOwnNavigationIsShown) {
    EXPECT_EQ(JudgePaneNavigation("file:///C:/Program%20Files/Pelimor%20%231/system/ialweb.dat",
                                  PAGE, true, true),
              PaneNavigation::Show);
}

TEST(PaneNavigation, AWebLinkOpensInTheDefaultBrowserAndTheRestGoNowhere) {
    EXPECT_EQ(Click("http://example.com/news?id=1"), PaneNavigation::OpenInDefaultBrowser);
    EXPECT_EQ(Click("HTTPS://example.com/"), PaneNavigation::OpenInDefaultBrowser);
    for (const char* url : {
             "file:///C:/Windows/System32/calc.exe",
             "file:///C:/Program%20Files/Pelimor%20%231/setting/iasetting.dat",
             "file:///C:/Program%20Files/Pelimor%20%231/system/ialweb.dat.html",
             "file:///C:/Program%20Files/Pelimor%20%231/system/../system2/ialweb.dat",
             "file://///evil/share/system/ialweb.dat",
             "javascript:alert(1)",
             "res://ieframe.dll/navcancl.htm",
             "about:blank",
             "mk:@MSITStore:C:/x.chm::/a.htm",
             "ms-its:C:/x.chm::/a.htm",
             "vbscript:msgbox(1)",
             "ftp://example.com/x",
             "http://example.com/\"onload",
             "",
         }) {
        EXPECT_EQ(Click(url), PaneNavigation::Cancel) << url;
    }
}

// An embedded player or any frame of the page is no click of the user's: it neither loads nor
// opens a browser, whatever it names.
TEST(PaneNavigation, AFrameNeverLoadsNorOpensABrowser) {
    for (bool requestedByPane : {false, true}) {
        EXPECT_EQ(
            JudgePaneNavigation("http://www.youtube.com/embed/abc", PAGE, requestedByPane, false),
            PaneNavigation::Cancel);
        EXPECT_EQ(JudgePaneNavigation(PAGE, PAGE, requestedByPane, false), PaneNavigation::Cancel);
    }
}

TEST(PaneNavigation, NoNewWindowIsMadeAndAWebOneOpensInTheDefaultBrowser) {
    EXPECT_EQ(JudgeNewWindow("https://example.com/"), PaneNavigation::OpenInDefaultBrowser);
    for (const char* url :
         {"", "about:blank", "javascript:open()", "file:///C:/x.html", PAGE.c_str()})
        EXPECT_EQ(JudgeNewWindow(url), PaneNavigation::Cancel) << url;
}

TEST(PaneNavigation, AnEscapedFolderNameIsNoOtherFolder) {
    // "%23" is a "#" of the folder's name, not the start of a fragment.
    EXPECT_FALSE(IsPageAddress("file:///C:/Program%20Files/Pelimor%20/system/ialweb.dat", PAGE));
    EXPECT_FALSE(IsPageAddress(PAGE, ""));
    // 表 (0x95 0x5C) keeps its second byte: no "\" of it becomes a level.
    const std::string page = "file:///C:/\x95\x5C/system/ialweb.dat";
    EXPECT_TRUE(IsPageAddress("C:\\\x95\x5C\\system\\ialweb.dat", page));
    EXPECT_FALSE(IsPageAddress("C:\\\x95/system\\ialweb.dat", page));
}

}  // namespace
