// A run of the publisher over its output folder: every server file written, sources fetched
// over HTTP, and the folder updated as a whole or not at all.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "publish/output_folder_lock.h"
#include "publish/source_check.h"
#include "tests/publish/publish_fixture.h"
#include "tests/support/loopback_server.h"

namespace {
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
        EXPECT_EQ(entry.path().string().find(".publish-new"), std::string::npos) << entry.path();
}

TEST_F(PublishFolder, ARunWaitsForAnotherWritingTheFolderThenGivesUp) {
    ASSERT_TRUE(Run()) << error;
    const std::vector<std::string> before = AllOutputs();
    // Another run holds the folder's lock, as pelimor-publish does while it writes.
    const std::string lockPath = options.outFolder + "/" + OUTPUT_LOCK_FILE;
    const int other = ::open(lockPath.c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);

    FakeOs os;
    options.lockWaitSeconds = 3;
    options.calendars = {Source("c.csv", "name,datetime\nWaiting,2026-03-10 10:00\n")};
    EXPECT_FALSE(Run(RUN_TIME + 60));
    EXPECT_EQ(error, options.outFolder +
                         ": another pelimor-publish run is writing this folder; gave up after 3 s");
    EXPECT_EQ(os.sleptMilliseconds, 3000);
    EXPECT_EQ(AllOutputs(), before);

    ::close(other);
    ASSERT_TRUE(Run(RUN_TIME + 60)) << error;
    EXPECT_EQ(Named(Announcements(), "Waiting").name, "Waiting");
}

TEST_F(PublishFolder, AnotherRunsStagedFilesAreNeverPutInPlace) {
    // Left by a run that shares the folder (or was killed) while it wrote.
    for (const char* name : {"iadat2.dat.publish-new", "iadat2.dat.publish-new.1"})
        std::ofstream(options.outFolder + "/" + name) << "half written\n";
    options.calendars = {Source("c.csv", "name,datetime\nOwn,2026-03-10 10:00\n")};
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Announcements().size(), 1u);
    for (const char* name : {"iadat2.dat.publish-new", "iadat2.dat.publish-new.1"})
        EXPECT_EQ(Output(name), "half written\n") << name;
}

TEST_F(PublishFolder, AFailingSourceLeavesEveryPreviousFileAsItWas) {
    options.calendars = {Source("good.csv", "name,datetime\nGood one,2026-03-10 10:00\n")};
    options.news = {Source(
        "good.rss",
        "<rss "
        "version=\"2.0\"><channel><item><title>t</title><guid>g</guid></item></channel></rss>")};
    ASSERT_TRUE(Run()) << error;
    const std::vector<std::string> before = AllOutputs();
    options.calendars.push_back(Source("bad.csv", "name,datetime\nBad one,tomorrow\n"));
    options.news.push_back(Source(
        "other.rss",
        "<rss "
        "version=\"2.0\"><channel><item><title>u</title><guid>h</guid></item></channel></rss>"));
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
    LoopbackServer server(
        {{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(csv.size()) + "\r\n\r\n" + csv},
         {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"}});
    const std::string url = "http://" + server.HostAndPort() + "/calendar.csv";
    options.calendars = {url};
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(Named(Announcements(), "Fetched one").country, 7);
    EXPECT_FALSE(Run());
    EXPECT_TRUE(error.starts_with(url + ": ")) << error;
    EXPECT_NE(error.find("404"), std::string::npos) << error;
}
TEST_F(PublishFolder, TheCheckReportsEverySourceAndWritesNothing) {
    options.calendars = {Source("week.json",
                                "[{\"title\": \"CPI\", \"date\": \"2026-03-10T08:30:00-04:00\"},"
                                " {\"title\": \"Holiday\", \"impact\": \"Holiday\"},"
                                " {\"title\": \"Old\", \"date\": \"2025-01-10T08:30:00Z\"}]"),
                         Source("bad.csv", "name,datetime\nBad one,tomorrow\n")};
    options.news = {Source(
        "good.rss",
        "<rss "
        "version=\"2.0\"><channel><item><title>t</title><guid>g</guid></item></channel></rss>")};
    std::string report;
    EXPECT_FALSE(CheckSources(options, RUN_TIME, report));
    EXPECT_EQ(report, "calendar " + folder.Path() +
                          "week.json: 2 events (1 inside the days written), 1 skipped (all-day or "
                          "holiday)\n"
                          "error: " +
                          folder.Path() +
                          "bad.csv: line 2: the date and time cannot be read\n"
                          "news " +
                          folder.Path() + "good.rss: 1 news items\noutput " + options.outFolder +
                          ": writable\n");
    EXPECT_TRUE(std::filesystem::is_empty(options.outFolder));

    options.calendars.pop_back();
    EXPECT_TRUE(CheckSources(options, RUN_TIME, report)) << report;
    options.outFolder = folder.Path() + "nowhere";
    EXPECT_FALSE(CheckSources(options, RUN_TIME, report));
    EXPECT_NE(report.find("error: " + options.outFolder + ": the output folder does not exist"),
              std::string::npos)
        << report;
}
}  // namespace
