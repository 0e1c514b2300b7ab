// The publisher's command line: every option, the defaults, and the refusals with their messages.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "publish/config_file.h"
#include "publish/publish_options.h"
#include "tests/support/test_os.h"

namespace {
TEST(PublishArguments, ReadTheInterface) {
    PublishOptions options;
    std::string error;
    ASSERT_EQ(ParsePublishArguments({"--out",        "d",
                                     "--calendar",   "a.ics",
                                     "--calendar",   "https://x/b.csv",
                                     "--news",       "n.rss",
                                     "--notices",    "no",
                                     "--signals",    "s",
                                     "--traders",    "t",
                                     "--messages",   "m",
                                     "--version",    "3200",
                                     "--tz",         "Europe/London",
                                     "--days-back",  "2",
                                     "--days-ahead", "9",
                                     "--lock-wait",  "5"},
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
    EXPECT_EQ(options.lockWaitSeconds, 5);

    PublishOptions defaults;
    ASSERT_EQ(ParsePublishArguments({"--out", "d"}, defaults, error), CommandLine::Run);
    EXPECT_EQ(defaults.zone, "Asia/Tokyo");
    EXPECT_EQ(defaults.daysBack, 7);
    EXPECT_EQ(defaults.daysAhead, 30);
    EXPECT_EQ(defaults.lockWaitSeconds, 60);

    EXPECT_EQ(ParsePublishArguments({"--help"}, defaults, error), CommandLine::Help);
    // A check writes nothing, so it needs no output folder.
    EXPECT_EQ(ParsePublishArguments({"--check", "--calendar", "a.ics"}, defaults, error),
              CommandLine::Check);
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case invalid[] = {
        {{}, "--out DIR is required"},
        {{"--out"}, "--out needs a value"},
        {{"--out", "d", "--colour", "red"}, "unknown option --colour"},
        {{"--out", "d", "--days-back", "-1"}, "--days-back needs a whole number, not \"-1\""},
        {{"--out", "d", "--lock-wait", "soon"}, "--lock-wait needs a whole number, not \"soon\""},
        {{"--out", "d", "--signals", "s"}, "--signals, --traders and --messages go together"},
    };
    for (const Case& c : invalid) {
        PublishOptions options;
        EXPECT_EQ(ParsePublishArguments(c.arguments, options, error), CommandLine::Invalid)
            << c.message;
        EXPECT_EQ(error, c.message);
    }
}
TEST(PublishArguments, AConfigurationFileHoldsTheOptionsOnePerLine) {
    std::vector<std::string> arguments;
    std::string error;
    ASSERT_TRUE(
        ConfigFileArguments("\xEF\xBB\xBF# the panels' server\n"
                            "--out /srv/pelimor/sv pelimor/websys\r\n"
                            "\n"
                            "  --calendar\thttps://cal.example/week.json  \n"
                            "--check\n"
                            "--tz Asia/Tokyo",
                            arguments, error))
        << error;
    EXPECT_EQ(arguments, (std::vector<std::string>{"--out", "/srv/pelimor/sv pelimor/websys",
                                                   "--calendar", "https://cal.example/week.json",
                                                   "--check", "--tz", "Asia/Tokyo"}));
    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"--out d\nout e\n", "line 2: \"out e\" is no option (options start with --)"},
        {"--config other.conf\n", "line 1: a configuration file cannot name another one"},
    };
    for (const auto& c : refused) {
        arguments.clear();
        EXPECT_FALSE(ConfigFileArguments(c.text, arguments, error)) << c.text;
        EXPECT_EQ(error, c.message);
    }
}

TEST(PublishArguments, ConfigurationFilesAreExpandedWhereTheyStandOnTheCommandLine) {
    TempFolder folder;
    const std::string path = folder.Path() + "publish.conf";
    { std::ofstream(path) << "--out /srv/a\n--calendar one.json\n--tz Europe/London\n"; }
    std::vector<std::string> expanded;
    std::string error;
    ASSERT_TRUE(ExpandConfigFiles({"--config", path, "--tz", "UTC", "--check"}, expanded, error))
        << error;
    PublishOptions options;
    ASSERT_EQ(ParsePublishArguments(expanded, options, error), CommandLine::Check) << error;
    EXPECT_EQ(options.outFolder, "/srv/a");
    EXPECT_EQ(options.calendars, std::vector<std::string>{"one.json"});
    EXPECT_EQ(options.zone, "UTC");  // the command line after the file wins

    expanded.clear();
    EXPECT_FALSE(ExpandConfigFiles({"--config", folder.Path() + "missing.conf"}, expanded, error));
    EXPECT_EQ(error, folder.Path() + "missing.conf: cannot read the configuration file");
    EXPECT_FALSE(ExpandConfigFiles({"--out", "d", "--config"}, expanded, error));
    EXPECT_EQ(error, "--config needs a value");
}
}  // namespace
