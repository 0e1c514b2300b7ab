#include "publish/notice_folder.h"
#include "publish/ascii_text.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "publish/html_sanitizer.h"
#include "publish/source_bytes.h"
#include "publish/time_text.h"

namespace {
namespace fs = std::filesystem;

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::string BodyOfLines(const std::vector<std::string_view>& lines) {
    std::string body;
    bool paragraphOpen = false;
    for (std::string_view line : lines) {
        line = TrimmedText(line);
        if (line.empty()) {
            if (!body.empty()) body += "<br>";
            paragraphOpen = false;
            continue;
        }
        if (paragraphOpen) body += ' ';
        body += EscapeHtmlText(line);
        paragraphOpen = true;
    }
    while (body.ends_with("<br>")) body.erase(body.size() - 4);
    return body;
}

int64_t ModifiedAt(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<int64_t>(status.st_mtime) : 0;
}
}  // namespace

FeedItem NoticeOfText(const std::string& fileName, std::string_view text, int64_t modifiedAt,
                      const ZoneClock& zone) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines = Lines(text);
    FeedItem notice;
    notice.key = fileName;
    notice.when = modifiedAt;
    std::string_view title = lines.empty() ? std::string_view() : TrimmedText(lines.front());
    size_t dateLength = 0;
    if (std::optional<int64_t> when = ParseLeadingMinute(title, zone, dateLength)) {
        notice.when = *when;
        title = TrimmedText(title.substr(dateLength));
    }
    notice.title = std::string(title);
    if (!lines.empty()) lines.erase(lines.begin());
    notice.body = BodyOfLines(lines);
    return notice;
}

bool ReadNoticeFolder(const std::string& folder, const ZoneClock& zone,
                      std::vector<FeedItem>& notices, std::string& error) {
    notices.clear();
    std::error_code failure;
    std::vector<fs::path> files;
    for (fs::directory_iterator entry(folder, failure), end; !failure && entry != end;
         entry.increment(failure)) {
        const std::string name = entry->path().filename().string();
        if (name.starts_with(".") || !name.ends_with(".txt")) continue;
        if (entry->is_regular_file(failure)) files.push_back(entry->path());
    }
    if (failure) {
        error = "cannot be read: " + failure.message();
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::string bytes;
        std::string reason;
        if (!ReadSourceBytes(file.string(), bytes, reason)) {
            error = file.filename().string() + ": " + reason;
            return false;
        }
        notices.push_back(NoticeOfText(file.filename().string(), bytes, ModifiedAt(file), zone));
    }
    return true;
}
