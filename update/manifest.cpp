#include "update/manifest.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "base/program_folder_names.h"
#include "update/update_paths.h"

namespace {
constexpr size_t DIGEST_HEX_LENGTH = 64;
// Sizes beyond this cannot come through the HTTP client anyway; the limit keeps the number sane.
constexpr uint64_t MAX_FILE_SIZE = 1ull << 40;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsLowerHex(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool ParseDecimal(std::string_view text, uint64_t limit, uint64_t& value) {
    if (text.empty() || text.size() > 13 || (text.size() > 1 && text[0] == '0')) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value <= limit;
}

// The lines without their ends; a final line end is required, so a cut-off text never parses.
bool SplitManifestLines(std::string_view text, std::vector<std::string_view>& lines) {
    while (!text.empty()) {
        size_t end = text.find('\n');
        if (end == std::string_view::npos) return false;
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end + 1);
    }
    return !lines.empty();
}

bool ParseEntry(std::string_view line, ManifestEntry& entry) {
    size_t firstSpace = line.find(' ');
    if (firstSpace != DIGEST_HEX_LENGTH) return false;
    size_t secondSpace = line.find(' ', firstSpace + 1);
    if (secondSpace == std::string_view::npos) return false;
    entry.sha256Hex = std::string(line.substr(0, firstSpace));
    entry.path = std::string(line.substr(secondSpace + 1));
    return IsLowerHex(entry.sha256Hex) &&
           ParseDecimal(line.substr(firstSpace + 1, secondSpace - firstSpace - 1), MAX_FILE_SIZE,
                        entry.size);
}

// Windows drops a trailing "." or " " from a level ("setting." is "setting").
bool LevelsAreExact(std::string_view path) {
    for (size_t start = 0; start <= path.size();) {
        size_t end = std::min(path.find('\\', start), path.size());
        char last = path[end - 1];
        if (last == '.' || last == ' ') return false;
        start = end + 1;
    }
    return true;
}

// Windows opens a device, not a file, for these names in any folder and with any extension
// ("nul.txt", "COM1.dll"); trailing spaces before the extension are ignored as well.
bool NamesADevice(std::string_view level) {
    static const std::set<std::string> DEVICES = {
        "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3",   "com4",    "com5",
        "com6", "com7", "com8", "com9", "lpt1", "lpt2", "lpt3",   "lpt4",    "lpt5",
        "lpt6", "lpt7", "lpt8", "lpt9", "com0", "lpt0", "conin$", "conout$", "clock$"};
    std::string_view base = level.substr(0, level.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    return DEVICES.count(Lower(base)) == 1;
}

bool AnyLevelNamesADevice(std::string_view path) {
    for (size_t start = 0; start <= path.size();) {
        size_t end = std::min(path.find('\\', start), path.size());
        if (NamesADevice(path.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

bool LevelIs(std::string_view path, std::string_view level) {
    return Lower(path.substr(0, path.find('\\'))) == level;
}
}  // namespace

bool IsSafeUpdatePath(std::string_view path) {
    if (path.empty() || path.front() == '\\' || path.back() == '\\') return false;
    if (path.find("..") != std::string_view::npos || path.find("\\\\") != std::string_view::npos)
        return false;
    for (char c : path)
        if (c < 0x20 || c > 0x7E || c == ':' || c == '/' || c == '~') return false;
    if (!LevelsAreExact(path) || AnyLevelNamesADevice(path)) return false;
    if (LevelIs(path, SETTING_FOLDER_NAME)) return false;
    return Lower(path).rfind(UPDATER_WORK_PREFIX, 0) != 0;
}

bool ParseManifest(std::string_view text, Manifest& manifest, std::string& reason) {
    manifest = Manifest{};
    std::vector<std::string_view> lines;
    uint64_t version = 0;
    if (!SplitManifestLines(text, lines) || !ParseDecimal(lines[0], INT32_MAX, version) ||
        version == 0) {
        reason = "the manifest does not start with a release number";
        return false;
    }
    manifest.version = static_cast<int32_t>(version);
    std::set<std::string> seen;
    for (size_t i = 1; i < lines.size(); ++i) {
        ManifestEntry entry;
        if (!ParseEntry(lines[i], entry)) {
            reason = "malformed manifest line " + std::to_string(i + 1);
            return false;
        }
        if (!IsSafeUpdatePath(entry.path)) {
            reason = "refused path in the manifest: " + entry.path;
            return false;
        }
        // Windows file names ignore case, so two spellings would be one file written twice.
        if (!seen.insert(Lower(entry.path)).second) {
            reason = "path listed twice in the manifest: " + entry.path;
            return false;
        }
        manifest.entries.push_back(std::move(entry));
    }
    return true;
}
