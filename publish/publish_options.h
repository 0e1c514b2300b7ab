// The command line of pelimor-publish.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "publish/announcement.h"

struct PublishOptions {
    std::string outFolder;
    std::vector<std::string> calendars;  // file paths or http/https URLs
    std::vector<std::string> news;
    std::string noticeFolder;                // empty: no notices
    std::string signals, traders, messages;  // all three or none
    int version = 0;                         // 0: the panel's own release number
    std::string zone = "Asia/Tokyo";
    int daysBack = 7;
    int daysAhead = 30;
    int lockWaitSeconds = 60;  // for another run that writes the same folder
};

// The span of announcements a run at `now` writes (--days-back, --days-ahead).
CalendarWindow AnnouncementWindow(const PublishOptions& options, int64_t now);

enum class CommandLine { Run, Check, Help, Invalid };

// Reads the arguments (without the program name, configuration files already expanded).
// Invalid, with the reason in `error`, for an unknown option, a missing value, a bad number, no
// --out (except for --check), or only some of --signals, --traders and --messages.
CommandLine ParsePublishArguments(const std::vector<std::string>& arguments,
                                  PublishOptions& options, std::string& error);

// The interface, as --help prints it.
std::string PublishUsage();
