#include "net/http_response.h"

#include <gtest/gtest.h>

namespace {
DownloadState Examine(const std::string& received, bool closed, std::string& body) {
    return ExamineDownloadResponse(received, closed, body);
}

TEST(ResponseBody, DropsTheHeaderUpToTheFirstEmptyLineOrKeepsAll) {
    EXPECT_EQ(ResponseBody("HTTP/1.0 200 OK\r\nA: b\r\n\r\n3100\r\n\r\nx"), "3100\r\n\r\nx");
    EXPECT_EQ(ResponseBody("3100"), "3100");
}

TEST(ExamineDownloadResponse, WaitsForTheBodyThatContentLengthAnnounces) {
    std::string body;
    const std::string head = "HTTP/1.1 200 OK\r\ncontent-LENGTH:  5 \r\n\r\n";
    EXPECT_EQ(Examine("HTTP/1.1 200 OK\r\nContent-Le", false, body), DownloadState::Incomplete);
    EXPECT_EQ(Examine(head + "abc", false, body), DownloadState::Incomplete);
    EXPECT_EQ(Examine(head + "abc", true, body), DownloadState::Failed);
    ASSERT_EQ(Examine(head + "abcdefgh", false, body), DownloadState::Complete);
    EXPECT_EQ(body, "abcde");
}

TEST(ExamineDownloadResponse, WithoutContentLengthTheBodyRunsToTheClose) {
    std::string body;
    EXPECT_EQ(Examine("HTTP/1.0 200 OK\r\n\r\nabc", false, body), DownloadState::Incomplete);
    ASSERT_EQ(Examine("HTTP/1.0 200 OK\r\n\r\nabc", true, body), DownloadState::Complete);
    EXPECT_EQ(body, "abc");
    ASSERT_EQ(Examine("HTTP/1.1 200\r\nServer: x\r\n\r\n", true, body), DownloadState::Complete);
    EXPECT_EQ(body, "");
}

TEST(ExamineDownloadResponse, RefusesOtherStatusesEncodingsAndBadLengths) {
    const char* refused[] = {
        "HTTP/1.1 404 Not Found\r\n\r\n",
        "HTTP/1.1 301 Moved\r\nLocation: /x\r\n\r\n",
        "HTTP/1.1 2000 OK\r\n\r\n",
        "HTTP/2 200\r\n\r\n",
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 4x\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nabc",
        "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\n",
        "no header at all",
    };
    for (const char* received : refused) {
        std::string body = "untouched";
        EXPECT_EQ(Examine(received, true, body), DownloadState::Failed) << received;
        EXPECT_EQ(body, "untouched");
    }
}
}  // namespace
