// pelimor-publish: turns economic calendars, news feeds, notices and trade signals into the
// files of the panel's data server. See PublishUsage for the interface.
#include <cstdio>
#include <string>
#include <vector>

#include "base/os.h"
#include "publish/publish_options.h"
#include "publish/publisher.h"

int main(int argc, char** argv) {
    PublishOptions options;
    std::string error;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (ParsePublishArguments(arguments, options, error)) {
    case CommandLine::Help: std::fputs(PublishUsage().c_str(), stdout); return 0;
    case CommandLine::Invalid:
        std::fprintf(stderr, "pelimor-publish: %s\n\n%s", error.c_str(), PublishUsage().c_str());
        return 1;
    case CommandLine::Run: break;
    }
    PublishSummary summary;
    if (!Publish(options, Os().Now(), summary, error)) {
        std::fprintf(stderr, "pelimor-publish: %s\nNo file was changed.\n", error.c_str());
        return 1;
    }
    std::printf(
        "pelimor-publish: %zu announcements (%d all-day events skipped), %zu news items, "
        "%zu notices, poll counter %d, written to %s\n",
        summary.announcements, summary.skippedAllDay, summary.newsItems, summary.notices,
        summary.pollCounter, options.outFolder.c_str());
    return 0;
}
