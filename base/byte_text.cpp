#include "base/byte_text.h"

#include <cstdarg>
#include <cstdio>

bool SplitFirst(std::string_view& text, std::string_view& head, std::string_view delimiter) {
    const size_t at = text.find(delimiter);
    if (delimiter.empty() || at == std::string_view::npos) return false;
    head = text.substr(0, at);
    text.remove_prefix(at + delimiter.size());
    return true;
}

bool SplitFirst(std::string& text, std::string& head, std::string_view delimiter) {
    std::string_view rest(text);
    std::string_view before;
    if (!SplitFirst(rest, before, delimiter)) return false;
    head = before;
    text.erase(0, text.size() - rest.size());
    return true;
}

bool FieldAt(std::string_view text, int index, std::string_view delimiter, std::string& field) {
    if (index < 0) return false;
    size_t start = 0;
    for (int skipped = 0; skipped < index; ++skipped) {
        size_t at = delimiter.empty() ? std::string_view::npos : text.find(delimiter, start);
        if (at == std::string_view::npos) return false;
        start = at + delimiter.size();
    }
    size_t end = delimiter.empty() ? std::string_view::npos : text.find(delimiter, start);
    field = std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
    return true;
}

int CountOccurrences(std::string_view text, std::string_view delimiter) {
    if (delimiter.empty()) return 0;
    int count = 0;
    for (size_t at = text.find(delimiter); at != std::string_view::npos;
         at = text.find(delimiter, at + delimiter.size()))
        ++count;
    return count;
}

std::string LeftBytes(std::string_view text, size_t n) { return std::string(text.substr(0, n)); }

std::string RightBytes(std::string_view text, size_t n) {
    return std::string(text.size() <= n ? text : text.substr(text.size() - n));
}

void TrimSuffix(std::string& text, std::string_view suffix) {
    if (suffix.empty()) return;
    while (text.size() >= suffix.size() &&
           std::string_view(text).substr(text.size() - suffix.size()) == suffix)
        text.erase(text.size() - suffix.size());
}

void TrimPrefix(std::string& text, std::string_view prefix) {
    if (prefix.empty()) return;
    size_t cut = 0;
    while (std::string_view(text).substr(cut, prefix.size()) == prefix) cut += prefix.size();
    text.erase(0, cut);
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        size_t last = end;
        while (last > start && text[last - 1] == '\r') --last;
        lines.emplace_back(text.substr(start, last - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
    const std::vector<std::string_view> views = SplitLineViews(text);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += line;
        joined += separator;
    }
    return joined;
}

std::string FormatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}
