#include "store/line_file.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/os.h"
#include "store/text_utils.h"

namespace {
constexpr size_t kReadChunkBytes = 524288;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string CrLfToLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at)
        if (!(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) out += text[at];
    return out;
}
}  // namespace

bool ReadTextFile(const std::string& path, std::string& text, bool byteMode) {
    text.clear();
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    std::unique_ptr<char[]> chunk(new char[kReadChunkBytes]);
    std::string raw;
    for (;;) {
        size_t count = std::fread(chunk.get(), 1, kReadChunkBytes, file.get());
        if (count == 0) break;
        raw.append(chunk.get(), strnlen(chunk.get(), count));
    }
    text = byteMode ? std::move(raw) : CrLfToLf(raw);
    return true;
}

std::vector<std::string> ReadLineFile(const std::string& path) {
    std::string text;
    ReadTextFile(path, text, false);
    return SplitLines(text);
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".new";
    bool written = false;
    if (std::FILE* file = std::fopen(temporary.c_str(), "wb")) {
        written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        written = std::fflush(file) == 0 && written;
        written = std::fclose(file) == 0 && written;
    }
    if (written && Os().MoveFileOver(temporary, path)) return true;
    Os().RemoveFile(temporary);
    return false;
}

bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines) {
    return WriteFileAtomically(path, JoinLines(lines, "\r\n"));
}
