// pelimor-publish: turns economic calendars, news feeds, notices and trade signals into the
// files of the panel's data server. See PublishUsage for the interface.
#include <cstdio>
#include <string>
#include <vector>

#include "base/os.h"
#include "publish/config_file.h"
#include "publish/publish_options.h"
#include "publish/publisher.h"
#include "publish/source_check.h"

namespace {
int Check(const PublishOptions& options) {
    std::string report;
    const bool usable = CheckSources(options, Os().Now(), report);
    std::fputs(report.c_str(), stdout);
    std::puts(usable ? "pelimor-publish: every source can be used"
                     : "pelimor-publish: some sources cannot be used");
    return usable ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    PublishOptions options;
    std::string error;
    std::vector<std::string> arguments;
    if (!ExpandConfigFiles({argv + 1, argv + argc}, arguments, error)) {
        std::fprintf(stderr, "pelimor-publish: %s\n", error.c_str());
        return 1;
    }
    switch (ParsePublishArguments(arguments, options, error)) {
    case CommandLine::Help: std::fputs(PublishUsage().c_str(), stdout); return 0;
    case CommandLine::Invalid:
        std::fprintf(stderr, "pelimor-publish: %s\n\n%s", error.c_str(), PublishUsage().c_str());
        return 1;
    case CommandLine::Check: return Check(options);
    case CommandLine::Run: break;
    }
    PublishSummary summary;
    if (!Publish(options, Os().Now(), summary, error)) {
        std::fprintf(stderr, "pelimor-publish: %s\nNo file was changed.\n", error.c_str());
        return 1;
    }
    std::printf(
        "pelimor-publish: %zu announcements (%d all-day events and holidays skipped), "
        "%zu news items, %zu notices, poll counter %d, written to %s\n",
        summary.announcements, summary.skippedAllDay, summary.newsItems, summary.notices,
        summary.pollCounter, options.outFolder.c_str());
    return 0;
}
