#include "net/https_download.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "base/cancel_token.h"
#include "net/fetch_file_bytes.h"
#include "net/http_client.h"
#include "net/socket_connection.h"
#include "tests/support/loopback_server.h"
#include "tests/support/test_os.h"

namespace {
using Ending = ScriptedReply::Ending;

const std::string PLAIN_ANSWER = "HTTP/1.0 200 OK\r\nContent-Length: 6\r\n\r\nforged";

TEST(IsHttpsUrlTest, OnlyTheHttpsSchemeInAnyCase) {
    EXPECT_TRUE(IsHttpsUrl("https://data.example.com/sv_pelimor/websys/"));
    EXPECT_TRUE(IsHttpsUrl("HTTPS://localhost:8443/"));
    EXPECT_TRUE(IsHttpsUrl("HtTpS://h"));
    EXPECT_FALSE(IsHttpsUrl("http://data.example.com/sv_pelimor/websys/"));
    EXPECT_FALSE(IsHttpsUrl("https:/h/"));
    EXPECT_FALSE(IsHttpsUrl(" https://h/"));
    EXPECT_FALSE(IsHttpsUrl("https"));
    EXPECT_FALSE(IsHttpsUrl(""));
}

// A server that answers in plain text, as a man in the middle would: no way of fetching an https
// URL may send it a plain request or take its answer.
class HttpsNeverPlain : public ::testing::Test {
protected:
    HttpsNeverPlain()
        : server_({{PLAIN_ANSWER}, {PLAIN_ANSWER}, {PLAIN_ANSWER}}),
          previousTimeout_(SocketTimeoutMilliseconds()) {
        SetSocketTimeoutMilliseconds(1000);
    }
    ~HttpsNeverPlain() override { SetSocketTimeoutMilliseconds(previousTimeout_); }

    std::string Url() const { return "https://" + server_.HostAndPort() + "/sv_pelimor/f.dat"; }
    std::string ScratchFile() const { return os.folder.Path() + "iaweb2.dat"; }

    void ExpectNoPlainRequest() {
        for (const std::string& request : server_.Requests())
            EXPECT_NE(request.substr(0, 4), "GET ") << request;
    }

    FakeOs os;
    LoopbackServer server_;

private:
    uint32_t previousTimeout_;
};

TEST_F(HttpsNeverPlain, FetchUrlTriesNeitherSocketAttemptNorTheSystemDownload) {
    WriteBytes(ScratchFile(), "an older download");
    FetchedText result{"left over", true};
    EXPECT_FALSE(FetchUrl(Url(), ScratchFile(), result, false, ""));
    EXPECT_EQ(result.text, "");
    EXPECT_FALSE(os.PathExists(ScratchFile()));
    ExpectNoPlainRequest();
}

TEST_F(HttpsNeverPlain, TheSystemDownloadOfTheIndicatorFeedStaysOffPlainHttp) {
    FetchedText result;
    EXPECT_FALSE(SystemDownload(Url(), result, ScratchFile()));
    EXPECT_EQ(result.text, "");
    EXPECT_FALSE(os.PathExists(ScratchFile()));
    ExpectNoPlainRequest();
}

TEST_F(HttpsNeverPlain, TheUpdatersByteDownloadStaysOffPlainHttp) {
    std::string body = "left over";
    EXPECT_FALSE(FetchFileBytes(Url(), body));
    EXPECT_EQ(body, "");
    ExpectNoPlainRequest();
}

TEST_F(HttpsNeverPlain, AnUpperCaseSchemeIsHttpsToo) {
    FetchedText result;
    EXPECT_FALSE(
        FetchUrl("HTTPS://" + server_.HostAndPort() + "/f.dat", ScratchFile(), result, false, ""));
    ExpectNoPlainRequest();
}

TEST_F(HttpsNeverPlain, AFailedDownloadIsTraced) {
    std::string body;
    EXPECT_FALSE(HttpsDownload(Url(), body));
    bool traced = false;
    for (const std::string& line : os.Traces())
        traced = traced || line.find(Url()) != std::string::npos;
    EXPECT_TRUE(traced);
}
// A server that accepts and never says a word, not even its part of the TLS handshake.
TEST(HttpsStalled, TheSocketTimeOutBoundsEveryWait) {
    FakeOs os;
    const uint32_t previousTimeout = SocketTimeoutMilliseconds();
    SetSocketTimeoutMilliseconds(500);
    LoopbackServer server({{"", Ending::Stall}});
    std::string body;
    EXPECT_FALSE(HttpsDownload("https://" + server.HostAndPort() + "/f.dat", body));
    SetSocketTimeoutMilliseconds(previousTimeout);
}

TEST(HttpsStalled, TheCancelEndsTheWaitAndTouchesNoFile) {
    // The default socket time-out stays: only the cancel can end the wait in good time.
    FakeOs os;
    LoopbackServer server({{"", Ending::Stall}});
    const std::string scratch = os.folder.Path() + "iaweb3.dat";
    WriteBytes(scratch, "earlier copy");
    CancelToken cancel;
    std::promise<bool> fetched;
    std::thread worker([&] {
        ScopedThreadCancelToken bound(cancel);
        FetchedText result;
        fetched.set_value(
            FetchUrl("https://" + server.HostAndPort() + "/f.dat", scratch, result, false, ""));
    });
    // The download deletes the old copy before it connects.
    while (os.PathExists(scratch)) std::this_thread::yield();
    WriteBytes(scratch, "written by someone else");
    cancel.Cancel();
    worker.join();
    EXPECT_FALSE(fetched.get_future().get());
    EXPECT_EQ(ReadBytes(scratch), "written by someone else");
}
}  // namespace
