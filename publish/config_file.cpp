#include "publish/config_file.h"
#include "publish/ascii_text.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace {
// A configuration names a handful of sources; anything larger is no configuration file.
constexpr std::streamsize MAX_CONFIG_BYTES = 1 << 20;

bool ReadConfigFile(const std::string& path, std::string& text, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot read the configuration file";
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(file.rdbuf()), {});
    if (static_cast<std::streamsize>(text.size()) > MAX_CONFIG_BYTES) {
        error = path + ": the configuration file is larger than 1 MiB";
        return false;
    }
    return true;
}
}  // namespace

bool ConfigFileArguments(std::string_view text, std::vector<std::string>& arguments,
                         std::string& error) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = TrimmedText(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.empty() || line.starts_with("#")) continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (!line.starts_with("--")) {
            error = where + "\"" + std::string(line) + "\" is no option (options start with --)";
            return false;
        }
        const size_t space = line.find_first_of(" \t");
        const std::string option(line.substr(0, space));
        if (option == "--config") {
            error = where + "a configuration file cannot name another one";
            return false;
        }
        arguments.push_back(option);
        if (space != std::string_view::npos)
            arguments.emplace_back(TrimmedText(line.substr(space)));
    }
    return true;
}

bool ExpandConfigFiles(const std::vector<std::string>& arguments,
                       std::vector<std::string>& expanded, std::string& error) {
    for (size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index] != "--config") {
            expanded.push_back(arguments[index]);
            continue;
        }
        if (index + 1 >= arguments.size()) {
            error = "--config needs a value";
            return false;
        }
        const std::string& path = arguments[++index];
        std::string text, reason;
        if (!ReadConfigFile(path, text, error)) return false;
        if (!ConfigFileArguments(text, expanded, reason)) {
            error = path + ": " + reason;
            return false;
        }
    }
    return true;
}
