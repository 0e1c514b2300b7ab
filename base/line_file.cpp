#include "base/line_file.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "base/os.h"
#include "base/byte_text.h"

namespace {
constexpr size_t READ_CHUNK_BYTES = 524288;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Hands every chunk of the file to take, in order, until take wants no more; false when reading
// failed on the way.
bool ReadChunks(std::FILE* file, const std::function<bool(const char*, size_t)>& take) {
    std::unique_ptr<char[]> chunk(new char[READ_CHUNK_BYTES]);
    for (;;) {
        size_t count = std::fread(chunk.get(), 1, READ_CHUNK_BYTES, file);
        if (count == 0 || !take(chunk.get(), count)) break;
    }
    return !std::ferror(file);
}

std::string CrLfToLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at)
        if (!(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) out += text[at];
    return out;
}
}  // namespace

bool ReadTextFile(const std::string& path, std::string& text, bool byteMode, size_t limitBytes) {
    text.clear();
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    std::string raw;
    // A chunk's text ends at its first NUL, as a text cannot hold one; a read error keeps what
    // came before it.
    size_t total = 0;
    bool tooLong = false;
    ReadChunks(file.get(), [&](const char* chunk, size_t count) {
        total += count;
        tooLong = total > limitBytes;
        if (!tooLong) raw.append(chunk, strnlen(chunk, count));
        return !tooLong;
    });
    if (tooLong) return false;
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
    Os().Trace((written ? "cannot replace " : "cannot write ") + path);
    Os().RemoveFile(temporary);
    return false;
}

bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines) {
    return WriteFileAtomically(path, JoinLines(lines, "\r\n"));
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    if (ReadChunks(file.get(), [&bytes](const char* chunk, size_t count) {
            bytes.append(chunk, count);
            return true;
        }))
        return true;
    bytes.clear();
    return false;
}

bool CopyWholeFile(const std::string& source, const std::string& target) {
    std::string bytes;
    return ReadWholeFile(source, bytes) && WriteFileAtomically(target, bytes);
}
