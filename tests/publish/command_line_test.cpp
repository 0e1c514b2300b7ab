// The publisher's command line: every option, the defaults, and the refusals with their messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "publish/publish_options.h"

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
}  // namespace
