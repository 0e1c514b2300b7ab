// Which addresses may be handed to the user's default browser.
#include "views/web_address.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WebAddress, PlainHttpAndHttpsAddressesMayBeOpened) {
    for (const char* address : {
             "http://www.youtube.com/watch?v=abc123",
             "https://example.com/",
             "HTTPS://Example.COM/news/2026/12?id=5&lang=ja#top",
             "http://127.0.0.1:8080/a%20b",
             "https://example.com/path;p=1/(x)/~user/it's*+,=@!$",
         }) {
        EXPECT_TRUE(IsOpenableWebAddress(address)) << address;
    }
}

TEST(WebAddress, OtherSchemesAndAddressesWithoutAHostAreRefused) {
    for (const char* address : {
             "",
             "http://",
             "https://",
             "http:///etc/passwd",
             "http://?x",
             "http://#x",
             "file:///C:/Windows/System32/calc.exe",
             "javascript:alert(1)",
             "res://ieframe.dll/",
             "about:blank",
             "mk:@MSITStore:x.chm::/a.htm",
             "ms-its:x.chm::/a.htm",
             "ftp://example.com/",
             "\\\\server\\share\\x.exe",
             "C:\\Windows\\notepad.exe",
             "www.example.com",
             " http://example.com/",
             "httpx://example.com/",
         }) {
        EXPECT_FALSE(IsOpenableWebAddress(address)) << address;
    }
}

// A command line or another handler could read these as more than an address.
TEST(WebAddress, UnsafeCharactersAreRefused) {
    for (const char* address : {
             "http://example.com/a b", "http://example.com/\"-x", "http://example.com/<script>",
             "http://example.com/a\\b", "http://example.com/a^b", "http://example.com/a`b",
             "http://example.com/{a}", "http://example.com/a|b", "http://example.com/a\tb",
             "http://example.com/a\nb", "http://example.com/%", "http://example.com/%4",
             "http://example.com/%zz", "http://example.com/%USERPROFILE%",
             "http://example.com/\x95\x5C",  // 表 in CP932
             "http://ex\xC3\xA4mple.com/",   // non-ASCII host
         }) {
        EXPECT_FALSE(IsOpenableWebAddress(address)) << address;
    }
    EXPECT_FALSE(IsOpenableWebAddress(std::string("http://example.com/\0x", 21)));
}

TEST(WebAddress, AnOverlongAddressIsRefused) {
    std::string address = "http://example.com/";
    address += std::string(MAX_WEB_ADDRESS_LENGTH - address.size(), 'a');
    EXPECT_TRUE(IsOpenableWebAddress(address));
    EXPECT_FALSE(IsOpenableWebAddress(address + "a"));
}

}  // namespace
