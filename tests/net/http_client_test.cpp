#include "net/http_client.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "net/fetch_file_bytes.h"
#include "net/http_request.h"
#include "net/http_response.h"
#include "net/socket_connection.h"
#include "tests/support/loopback_server.h"
#include "tests/support/test_os.h"

namespace {
using Ending = ScriptedReply::Ending;

std::string Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
}

std::string Http10Get(const std::string& target) {
    return "GET " + target + " HTTP/1.0\r\nConnection: close\r\n\r\n";
}

const std::string NOT_FOUND = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";

class HttpClient : public ::testing::Test {
protected:
    HttpClient() : previousTimeout_(SocketTimeoutMilliseconds()) {
        SetSocketTimeoutMilliseconds(1000);
    }
    ~HttpClient() override { SetSocketTimeoutMilliseconds(previousTimeout_); }

    std::string ScratchFile() const { return os.folder.Path() + "iaweb0.dat"; }

    bool Get(LoopbackServer& server, FetchedText& result) {
        return SocketGet(server.HostAndPort(), "/f.dat", result, ScratchFile(), false, "");
    }

    FakeOs os;

private:
    uint32_t previousTimeout_;
};

TEST_F(HttpClient, FirstAttemptAsksForTheWholeUrlAndKeepsTheWholeAnswer) {
    LoopbackServer server({{Ok("line 1\r\nline 2\r\n")}});
    const std::string url = "http://" + server.HostAndPort() + "/sv_pelimor/websys/qznnews.dat";
    FetchedText result;
    ASSERT_TRUE(FetchUrl(url, ScratchFile(), result, false, ""));
    EXPECT_EQ(result.text, Ok("line 1\r\nline 2\r\n"));
    EXPECT_EQ(FetchedBody(result), "line 1\r\nline 2\r\n");
    EXPECT_EQ(server.Requests(), std::vector<std::string>{Http10Get(url)});
    EXPECT_EQ(ReadBytes(ScratchFile()), result.text);
    EXPECT_TRUE(result.withHead);
    EXPECT_EQ(os.sleptMilliseconds, 100);  // the pause before an attempt goes through the seam
}

TEST_F(HttpClient, AnythingButExactly200OkMakesTheSecondAttemptAskForThePathAlone) {
    const std::string rejected[] = {
        "HTTP/1.0 302 Found\r\nLocation: http://elsewhere/\r\n\r\n",
        NOT_FOUND,
        "http/1.0 200 ok\r\n\r\nbody",
        "HTTP/1.0 200 O",
    };
    for (const std::string& first : rejected) {
        LoopbackServer server({{first}, {"HTTP/1.1 200 OK\r\n\r\n3100"}});
        const std::string url =
            "http://" + server.HostAndPort() + "/sv_pelimor/websys/prims/version.dat";
        FetchedText result;
        ASSERT_TRUE(FetchUrl(url, ScratchFile(), result, false, "")) << first;
        EXPECT_EQ(result.text, "HTTP/1.1 200 OK\r\n\r\n3100");
        EXPECT_EQ(server.Requests(),
                  (std::vector<std::string>{Http10Get(url),
                                            Http10Get("/sv_pelimor/websys/prims/version.dat")}));
    }
}

TEST_F(HttpClient, ThirdAttemptIsTheSystemDownloadWhichGivesTheBodyAlone) {
    LoopbackServer server(
        {{NOT_FOUND}, {NOT_FOUND}, {"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n3101"}});
    const std::string url =
        "http://" + server.HostAndPort() + "/sv_pelimor/websys/prims/version.dat";
    FetchedText result;
    ASSERT_TRUE(FetchUrl(url, ScratchFile(), result, false, ""));
    EXPECT_EQ(result.text, "3101");
    EXPECT_FALSE(result.withHead);
    EXPECT_EQ(ReadBytes(ScratchFile()), "3101");
    EXPECT_EQ(server.Requests().size(), 3u);
    EXPECT_EQ(os.sleptMilliseconds, 200);
}

TEST_F(HttpClient, WhenAllThreeAttemptsFailTheResultIsEmpty) {
    LoopbackServer server({{NOT_FOUND}, {NOT_FOUND}, {NOT_FOUND}});
    const std::string url = "http://" + server.HostAndPort() + "/a/b.dat";
    FetchedText result{"stale", true};
    EXPECT_FALSE(FetchUrl(url, ScratchFile(), result, false, ""));
    EXPECT_EQ(result.text, "");
    EXPECT_FALSE(result.withHead);
    std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], Http10Get(url));
    EXPECT_EQ(requests[1], Http10Get("/a/b.dat"));
#ifndef _WIN32
    EXPECT_EQ(requests[2],
              "GET /a/b.dat HTTP/1.1\r\nHOST: " + server.HostAndPort() +
                  "\r\nCache-Control: no-cache\r\nPragma: no-cache\r\nConnection: close\r\n\r\n");
#endif
}

TEST_F(HttpClient, UrlWithoutPathSkipsTheSecondAttempt) {
    LoopbackServer server({{NOT_FOUND}, {"HTTP/1.1 200 OK\r\n\r\nroot"}});
    const std::string url = "http://" + server.HostAndPort();
    FetchedText result;
    ASSERT_TRUE(FetchUrl(url, ScratchFile(), result, false, ""));
    EXPECT_EQ(result.text, "root");
    std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], Http10Get(url));
#ifndef _WIN32
    EXPECT_EQ(requests[1].substr(0, 16), "GET / HTTP/1.1\r\n");
#endif
}

TEST_F(HttpClient, RequestFormsAreExact) {
    LoopbackServer server({{Ok("")}, {Ok("")}});
    FetchedText result;
    ASSERT_TRUE(
        SocketGet(server.HostAndPort(), "/p", result, ScratchFile(), true, "X-Extra: 1\r\n"));
    ASSERT_TRUE(
        SocketGet(server.HostAndPort(), "/p", result, ScratchFile(), false, "X-Extra: 1\r\n"));
    EXPECT_EQ(
        server.Requests(),
        (std::vector<std::string>{"GET /p HTTP/1.1\r\nHOST: " + server.HostAndPort() +
                                      "\r\nX-Extra: 1\r\nConnection: close\r\n\r\n",
                                  "GET /p HTTP/1.0\r\nX-Extra: 1\r\nConnection: close\r\n\r\n"}));
    EXPECT_EQ(BuildGetRequest("/p", true, "", ""), "GET /p HTTP/1.1\r\nConnection: close\r\n\r\n");
}

TEST_F(HttpClient, AnswerTextEndsAtItsFirstNulByteHoweverItArrives) {
    // The bytes after the NUL fill more than one receive buffer; none of them may reappear.
    LoopbackServer server({{Ok(std::string("abc\0", 4) + std::string(2'000'000, 'x'))}});
    FetchedText result;
    ASSERT_TRUE(Get(server, result));
    EXPECT_EQ(FetchedBody(result), "abc");
}

TEST_F(HttpClient, AnswerCutByAnOrderlyCloseIsKeptButOneCutByAnErrorFails) {
    FetchedText result;
    {
        LoopbackServer server({{"HTTP/1.0 200 OK\r\nContent-Le"}});
        ASSERT_TRUE(Get(server, result));
        EXPECT_EQ(result.text, "HTTP/1.0 200 OK\r\nContent-Le");
    }
    {
        LoopbackServer server({{"HTTP/1.0 200 OK\r\n\r\npart", Ending::Stall}});
        EXPECT_FALSE(Get(server, result));
        EXPECT_EQ(result.text, "");
    }
#ifndef _WIN32
    // Wine at times reports a reset that follows the data as an orderly close.
    {
        LoopbackServer server({{"HTTP/1.0 200 OK\r\n\r\npart", Ending::Reset}});
        EXPECT_FALSE(Get(server, result));
    }
#endif
}

TEST_F(HttpClient, SilentOrEmptyServersFail) {
    FetchedText result;
    {
        LoopbackServer server(
            {{"", Ending::Stall}});  // accepts, never answers: ends at the time-out
        EXPECT_FALSE(Get(server, result));
    }
    {
        LoopbackServer server({{"", Ending::Close}});
        EXPECT_FALSE(Get(server, result));
    }
}

TEST_F(HttpClient, AnswerLongerThanTheLimitFailsButALongAnswerWithinItArrivesWhole) {
    FetchedText result;
    {
        const std::string big(2'000'000, 'y');  // several receive buffers' worth
        LoopbackServer server({{Ok(big)}});
        ASSERT_TRUE(Get(server, result));
        EXPECT_EQ(FetchedBody(result), big);
    }
    {
        LoopbackServer server({{Ok(std::string(MAX_RESPONSE_BYTES, 'z'))}});
        EXPECT_FALSE(Get(server, result));
        EXPECT_EQ(result.text, "");
    }
}

TEST_F(HttpClient, UnreachableHostsFailAndTheOldScratchFileIsGone) {
    WriteBytes(ScratchFile(), "old copy");
    FetchedText result;
    const std::string refused = "127.0.0.1:" + std::to_string(UnusedLoopbackPort());
    EXPECT_FALSE(SocketGet(refused, "/f", result, ScratchFile(), false, ""));
    EXPECT_FALSE(os.PathExists(ScratchFile()));
    EXPECT_FALSE(SocketGet("127.0.0.1:http", "/f", result, ScratchFile(), false, ""));
    EXPECT_FALSE(SocketGet("127.0.0.1:70000", "/f", result, ScratchFile(), false, ""));
    EXPECT_FALSE(SocketGet("", "/f", result, ScratchFile(), false, ""));
    // Each failed step says why on the trace channel.
    const std::vector<std::string> traces = os.Traces();
    EXPECT_EQ(std::count(traces.begin(), traces.end(), "socket: cannot connect to " + refused), 1);
    EXPECT_EQ(
        std::count(traces.begin(), traces.end(), "socket: no host and port in \"127.0.0.1:http\""),
        1);
    EXPECT_EQ(
        std::count(traces.begin(), traces.end(), "socket: no host and port in \"127.0.0.1:70000\""),
        1);
    EXPECT_EQ(std::count(traces.begin(), traces.end(), "socket: no host and port in \"\""), 1);
}

TEST_F(HttpClient, AServerThatNeverFallsSilentIsGivenUpAtTheConnectionsDeadline) {
    // A byte every 20 ms never lets the 1 s time-out run out; only the deadline ends it.
    const uint32_t previousDeadline = SocketDeadlineMilliseconds();
    SetSocketDeadlineMilliseconds(300);
    const ScriptedReply trickle{"HTTP/1.0 200 OK\r\n\r\n", Ending::Trickle};
    LoopbackServer server({trickle, trickle});
    FetchedText result;
    EXPECT_FALSE(Get(server, result));
    EXPECT_EQ(result.text, "");
    // The updater's byte-for-byte download is held to it as well.
    std::string bytes;
    EXPECT_FALSE(FetchFileBytes("http://" + server.HostAndPort() + "/f", bytes));
    EXPECT_EQ(server.Requests().size(), 2u);
    const std::vector<std::string> traces = os.Traces();
    EXPECT_EQ(
        std::count(traces.begin(), traces.end(), "socket: the connection's deadline has passed"),
        2);
    SetSocketDeadlineMilliseconds(previousDeadline);
}

#ifndef _WIN32
// The plain download stands in for the system's download service on this platform.
TEST_F(HttpClient, PlainDownloadStopsAtContentLengthAndRefusesWhatItCannotReadWhole) {
    FetchedText result;
    {
        LoopbackServer server(
            {{"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nbody", Ending::Stall}});
        ASSERT_TRUE(SystemDownload("http://" + server.HostAndPort() + "/f", result, ScratchFile()));
        EXPECT_EQ(result.text, "body");
    }
    {
        LoopbackServer server(
            {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nbody\r\n0\r\n\r\n"}});
        EXPECT_FALSE(
            SystemDownload("http://" + server.HostAndPort() + "/f", result, ScratchFile()));
        EXPECT_FALSE(os.PathExists(ScratchFile()));
    }
    {
        LoopbackServer server({{"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nbody"}});
        EXPECT_FALSE(
            SystemDownload("http://" + server.HostAndPort() + "/f", result, ScratchFile()));
        EXPECT_EQ(result.text, "");
    }
}
#endif
}  // namespace
