#include "publish/publish_options.h"

#include <charconv>

namespace {
bool ReadCount(const std::string& text, int& value) {
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    return failure == std::errc() && end == text.data() + text.size() && value >= 0;
}
}  // namespace

CalendarWindow AnnouncementWindow(const PublishOptions& options, int64_t now) {
    constexpr int64_t DAY_SECONDS = 86400;
    return {now - int64_t{options.daysBack} * DAY_SECONDS,
            now + int64_t{options.daysAhead} * DAY_SECONDS};
}

std::string PublishUsage() {
    return "usage: pelimor-publish --out DIR [--calendar SRC]... [--news SRC]... [--notices DIR]\n"
           "                       [--signals FILE --traders FILE --messages FILE]\n"
           "                       [--version N] [--tz ZONE] [--days-back N] [--days-ahead N]\n"
           "                       [--lock-wait N]\n"
           "       pelimor-publish --config FILE [OPTION]... [--check]\n"
           "\n"
           "Writes the data server's files into DIR (the folder served as "
           ".../sv_pelimor/websys/):\n"
           "iadat2.dat, qznnews.dat, qzninfo.dat, prims/version.dat, acs/aa.php and the poll "
           "files\n"
           "qznhnd_update.dat, qznhnd_trader.dat, qznhnd_message.dat, qznhnd_data.dat.\n"
           "\n"
           "  --calendar SRC   economic calendar: iCalendar (.ics), the weekly JSON export or "
           "CSV;\n"
           "                   a file or an http/https URL\n"
           "  --news SRC       news feed, RSS 2.0 or Atom 1.0; a file or an http/https URL\n"
           "  --notices DIR    folder of notices, one UTF-8 .txt file each (first line: title)\n"
           "  --signals FILE --traders FILE --messages FILE\n"
           "                   trade signals, trader names and messages as CSV\n"
           "  --version N      latest release number for the update check (default: this release)\n"
           "  --tz ZONE        IANA zone in which the panel shows times (default Asia/Tokyo)\n"
           "  --days-back N    announcements written from N days ago (default 7)\n"
           "  --days-ahead N   ... up to N days ahead (default 30)\n"
           "  --lock-wait N    seconds to wait for another run writing DIR (default 60)\n"
           "  --config FILE    these options from FILE, one per line (\"--out /srv/...\"; # "
           "comments)\n"
           "  --check          read every source and report what each holds; write nothing\n"
           "  --help           this text\n"
           "\n"
           "Exit status 0 on success, 1 on bad input (the message names the source and line) or\n"
           "when another run kept DIR for longer than --lock-wait. With --check: 0 when every\n"
           "source can be used.\n";
}

CommandLine ParsePublishArguments(const std::vector<std::string>& arguments,
                                  PublishOptions& options, std::string& error) {
    bool check = false;
    for (size_t index = 0; index < arguments.size(); ++index) {
        const std::string& option = arguments[index];
        if (option == "--help" || option == "-h") return CommandLine::Help;
        if (option == "--check") {
            check = true;
            continue;
        }
        if (index + 1 >= arguments.size()) {
            error =
                option.starts_with("--") ? option + " needs a value" : "unknown argument " + option;
            return CommandLine::Invalid;
        }
        const std::string& value = arguments[++index];
        if (option == "--out") {
            options.outFolder = value;
        } else if (option == "--calendar") {
            options.calendars.push_back(value);
        } else if (option == "--news") {
            options.news.push_back(value);
        } else if (option == "--notices") {
            options.noticeFolder = value;
        } else if (option == "--signals") {
            options.signals = value;
        } else if (option == "--traders") {
            options.traders = value;
        } else if (option == "--messages") {
            options.messages = value;
        } else if (option == "--tz") {
            options.zone = value;
        } else if (option == "--version" || option == "--days-back" || option == "--days-ahead" ||
                   option == "--lock-wait") {
            int& target = option == "--version"      ? options.version
                          : option == "--days-back"  ? options.daysBack
                          : option == "--days-ahead" ? options.daysAhead
                                                     : options.lockWaitSeconds;
            if (!ReadCount(value, target)) {
                error = option + " needs a whole number, not \"" + value + "\"";
                return CommandLine::Invalid;
            }
        } else {
            error = "unknown option " + option;
            return CommandLine::Invalid;
        }
    }
    if (options.outFolder.empty() && !check) {
        error = "--out DIR is required";
        return CommandLine::Invalid;
    }
    const int signalFiles =
        !options.signals.empty() + !options.traders.empty() + !options.messages.empty();
    if (signalFiles != 0 && signalFiles != 3) {
        error = "--signals, --traders and --messages go together";
        return CommandLine::Invalid;
    }
    return check ? CommandLine::Check : CommandLine::Run;
}
