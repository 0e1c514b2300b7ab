#include "net/http_response.h"

#include <gtest/gtest.h>

namespace {
DownloadState Examine(const std::string& received, bool closed, std::string& body) {
    DownloadResponse response;
    response.Add(received);
    return response.Examine(closed, body);
}

TEST(ResponseBody, DropsTheHeaderUpToTheFirstEmptyLineOrKeepsAll) {
    EXPECT_EQ(ResponseBody("HTTP/1.0 200 OK\r\nA: b\r\n\r\n3100\r\n\r\nx"), "3100\r\n\r\nx");
    EXPECT_EQ(ResponseBody("3100"), "3100");
}

TEST(DownloadResponse, WaitsForTheBodyThatContentLengthAnnounces) {
    std::string body;
    const std::string head = "HTTP/1.1 200 OK\r\ncontent-LENGTH:  5 \r\n\r\n";
    EXPECT_EQ(Examine("HTTP/1.1 200 OK\r\nContent-Le", false, body), DownloadState::Incomplete);
    EXPECT_EQ(Examine(head + "abc", false, body), DownloadState::Incomplete);
    EXPECT_EQ(Examine(head + "abc", true, body), DownloadState::Failed);
    ASSERT_EQ(Examine(head + "abcdefgh", false, body), DownloadState::Complete);
    EXPECT_EQ(body, "abcde");
}

TEST(DownloadResponse, WithoutContentLengthTheBodyRunsToTheClose) {
    std::string body;
    EXPECT_EQ(Examine("HTTP/1.0 200 OK\r\n\r\nabc", false, body), DownloadState::Incomplete);
    ASSERT_EQ(Examine("HTTP/1.0 200 OK\r\n\r\nabc", true, body), DownloadState::Complete);
    EXPECT_EQ(body, "abc");
    ASSERT_EQ(Examine("HTTP/1.1 200\r\nServer: x\r\n\r\n", true, body), DownloadState::Complete);
    EXPECT_EQ(body, "");
}

TEST(DownloadResponse, RefusesOtherStatusesEncodingsAndBadLengths) {
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
TEST(DownloadResponse, FindsTheHeadsEndAndItsLengthHoweverTheAnswerIsSplit) {
    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabcdef";
    const size_t headEnd = answer.find("\r\n\r\n");
    for (size_t first = 0; first <= answer.size(); ++first) {
        for (size_t second = first; second <= answer.size(); ++second) {
            DownloadResponse response;
            std::string body;
            DownloadState state = DownloadState::Incomplete;
            size_t taken = 0;
            for (size_t cut : {first, second, answer.size()}) {
                response.Add(std::string_view(answer).substr(taken, cut - taken));
                taken = cut;
                state = response.Examine(false, body);
                // Whole only once the head and three bytes of body are in, at whichever cut.
                const bool whole = taken >= headEnd + 4 + 3;
                ASSERT_EQ(state, whole ? DownloadState::Complete : DownloadState::Incomplete)
                    << first << " " << second << " " << cut;
            }
            EXPECT_EQ(body, "abc");
        }
    }
}

TEST(DownloadResponse, AHeadThatNeverEndsStaysIncompleteUntilTheClose) {
    DownloadResponse response;
    std::string body;
    response.Add("HTTP/1.1 200 OK\r\n");
    for (int chunk = 0; chunk < 1000; ++chunk) {
        response.Add("X-Filler: 0123456789\r");
        ASSERT_EQ(response.Examine(false, body), DownloadState::Incomplete);
        response.Add("\n");
        ASSERT_EQ(response.Examine(false, body), DownloadState::Incomplete);
    }
    EXPECT_EQ(response.Examine(true, body), DownloadState::Failed);
    response.Add("\r\nbody");
    ASSERT_EQ(response.Examine(true, body), DownloadState::Complete);
    EXPECT_EQ(body, "body");
}
}  // namespace
