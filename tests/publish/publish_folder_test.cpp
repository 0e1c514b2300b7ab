// The command line, the other output files, sources fetched over HTTP and the atomic update of
// the output folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "publish/publish_options.h"
#include "publish/source_bytes.h"
#include "tests/publish/publish_fixture.h"
#include "tests/support/loopback_server.h"

namespace {
TEST(PublishArguments, ReadTheInterface) {
    PublishOptions options;
    std::string error;
    ASSERT_EQ(ParsePublishArguments({"--out", "d", "--calendar", "a.ics", "--calendar", "https://x/b.csv",
                                     "--news", "n.rss", "--notices", "no", "--signals", "s", "--traders", "t",
                                     "--messages", "m", "--version", "3200", "--tz", "Europe/London",
                                     "--days-back", "2", "--days-ahead", "9"},
                                    options, error),
              CommandLine::Run);
    EXPECT_EQ(options.outFolder, "d");
    EXPECT_EQ(options.calendars, (std::vector<std::string>{"a.ics", "https://x/b.csv"}));
    EXPECT_EQ(options.news, std::vector<std::string>{"n.rss"});
    EXPECT_EQ(options.noticeFolder, "no");
    EXPECT_EQ(options.signals + options.traders + options.messages, "stm");
    EXPECT_EQ(options.version, 3200);
    EXPECT_EQ(options.zone, "Europe/London");
    EXPECT_EQ(options.daysBack, 2);
    EXPECT_EQ(options.daysAhead, 9);

    PublishOptions defaults;
    ASSERT_EQ(ParsePublishArguments({"--out", "d"}, defaults, error), CommandLine::Run);
    EXPECT_EQ(defaults.zone, "Asia/Tokyo");
    EXPECT_EQ(defaults.daysBack, 7);
    EXPECT_EQ(defaults.daysAhead, 30);

    EXPECT_EQ(ParsePublishArguments({"--help"}, defaults, error), CommandLine::Help);
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case invalid[] = {
        {{}, "--out DIR is required"},
        {{"--out"}, "--out needs a value"},
        {{"--out", "d", "--colour", "red"}, "unknown option --colour"},
        {{"--out", "d", "--days-back", "-1"}, "--days-back needs a whole number, not \"-1\""},
        {{"--out", "d", "--signals", "s"}, "--signals, --traders and --messages go together"},
    };
    for (const Case& c : invalid) {
        PublishOptions options;
        EXPECT_EQ(ParsePublishArguments(c.arguments, options, error), CommandLine::Invalid) << c.message;
        EXPECT_EQ(error, c.message);
    }
}

class PublishFolder : public PublishFixture {};

TEST_F(PublishFolder, WritesEveryServerFile) {
    options.version = 3200;
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Output("prims/version.dat"), "3200\n");
    EXPECT_EQ(Output("acs/aa.php"), "OK\n");
    EXPECT_EQ(Output("iadat2.dat"), "");
    EXPECT_EQ(Output("qznnews.dat"), "QZNNEWS,0,1773100800\n");
    EXPECT_EQ(Output("qzninfo.dat"), "QZNINFO,0,1773100800\n");
    EXPECT_EQ(Output("qznhnd_data.dat"), "");
    options.version = 0;
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Output("prims/version.dat"), "3100\n");  // this release
    for (const auto& entry : std::filesystem::recursive_directory_iterator(options.outFolder))
        EXPECT_FALSE(entry.path().string().ends_with(".publish-new")) << entry.path();
}

TEST_F(PublishFolder, AFailingSourceLeavesEveryPreviousFileAsItWas) {
    options.calendars = {Source("good.csv", "name,datetime\nGood one,2026-03-10 10:00\n")};
    options.news = {Source("good.rss", "<rss version=\"2.0\"><channel><item><title>t</title><guid>g</guid></item></channel></rss>")};
    ASSERT_TRUE(Run()) << error;
    const std::vector<std::string> before = AllOutputs();
    options.calendars.push_back(Source("bad.csv", "name,datetime\nBad one,tomorrow\n"));
    options.news.push_back(Source("other.rss", "<rss version=\"2.0\"><channel><item><title>u</title><guid>h</guid></item></channel></rss>"));
    EXPECT_FALSE(Run(RUN_TIME + 60));
    EXPECT_EQ(AllOutputs(), before);
}

TEST_F(PublishFolder, UnknownZonesAndMissingSourcesAreRefused) {
    options.zone = "Mars/Olympus";
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, "--tz Mars/Olympus: no such time zone");
    options.zone = "Asia/Tokyo";
    options.calendars = {folder.Path() + "missing.ics"};
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, folder.Path() + "missing.ics: cannot be opened");
}

TEST_F(PublishFolder, SourcesAreFetchedOverHttpAndFailedFetchesRefused) {
    const std::string csv = "name,datetime,country\nFetched one,2026-03-10 10:00,JP\n";
    LoopbackServer server({{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(csv.size()) + "\r\n\r\n" + csv},
                           {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"}});
    const std::string url = "http://" + server.HostAndPort() + "/calendar.csv";
    options.calendars = {url};
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Named(Announcements(), "Fetched one").country, 7);
    EXPECT_FALSE(Run());
    EXPECT_TRUE(error.starts_with(url + ": ")) << error;
    EXPECT_NE(error.find("404"), std::string::npos) << error;
}

TEST(SourceBytes, RefusesFilesAndDownloadsOver32MiB) {
    TempFolder folder;
    const std::string path = folder.Path() + "big.ics";
    std::ofstream(path, std::ios::binary) << "x";
    std::string bytes, error;
    std::filesystem::resize_file(path, MAX_SOURCE_BYTES);
    EXPECT_TRUE(ReadSourceBytes(path, bytes, error)) << error;
    EXPECT_EQ(bytes.size(), MAX_SOURCE_BYTES);
    std::filesystem::resize_file(path, MAX_SOURCE_BYTES + 1);
    EXPECT_FALSE(ReadSourceBytes(path, bytes, error));
    EXPECT_EQ(error, "larger than 32 MiB");

    LoopbackServer server({{"HTTP/1.1 200 OK\r\n\r\n" + std::string(MAX_SOURCE_BYTES + 1, 'x')}});
    EXPECT_FALSE(ReadSourceBytes("http://" + server.HostAndPort() + "/big.ics", bytes, error));
    EXPECT_EQ(error, "larger than 32 MiB");
}
}  // namespace
