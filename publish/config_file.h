// The configuration file of pelimor-publish (--config FILE): the command line's options, one per
// line, as an installed timer runs them:
//
//   # Where the panels' data server reads its files.
//   --out /srv/pelimor/sv_pelimor/websys
//   --calendar https://calendar.example/this-week.json
//   --tz Asia/Tokyo
//
// A line is an option and its value (the rest of the line, so a path may hold spaces); empty
// lines and lines starting with "#" are ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The arguments of a configuration text. False, with the line and reason in `error`, for a line
// that is no option and for a file that names another one.
bool ConfigFileArguments(std::string_view text, std::vector<std::string>& arguments,
                         std::string& error);

// The arguments with every "--config FILE" replaced by that file's arguments, in place, so that
// options after it on the command line add to or override it. False, naming the file, when it
// cannot be read or is no configuration.
bool ExpandConfigFiles(const std::vector<std::string>& arguments,
                       std::vector<std::string>& expanded, std::string& error);
