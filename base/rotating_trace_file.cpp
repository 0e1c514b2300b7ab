#include "base/rotating_trace_file.h"

#include <cstdio>
#include <utility>

namespace {
constexpr std::string_view LINE_END = "\r\n";

uint64_t SizeOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return 0;
    long size = std::ftell(file);
    return size > 0 ? static_cast<uint64_t>(size) : 0;
}
}  // namespace

RotatingTraceFile::RotatingTraceFile(std::string path, uint64_t boundBytes)
    : path_(std::move(path)), bound_(boundBytes) {}

void RotatingTraceFile::Append(std::string_view line) {
    const size_t room =
        bound_ > LINE_END.size() ? static_cast<size_t>(bound_ - LINE_END.size()) : 0;
    std::string record(line.substr(0, room));
    // A line may quote what a server or a file said: a line break in it must not start a line
    // that looks like a trace of its own.
    for (char& c : record)
        if (c == '\r' || c == '\n') c = ' ';
    record += LINE_END;

    std::lock_guard<std::recursive_mutex> hold(lock_);
    std::FILE* file = std::fopen(path_.c_str(), "ab");
    if (!file) return;
    const uint64_t size = SizeOf(file);
    if (size > 0 && size + record.size() > bound_) {
        std::fclose(file);
        file = StartNewPart();
        if (!file) return;
    }
    std::fwrite(record.data(), 1, record.size(), file);
    std::fclose(file);
}

std::FILE* RotatingTraceFile::StartNewPart() const {
    const std::string older = OlderPartPath();
    // Windows renames over no existing file.
    std::remove(older.c_str());
    if (std::rename(path_.c_str(), older.c_str()) == 0) return std::fopen(path_.c_str(), "ab");
    // A file that cannot be moved aside (another program holds it) starts again empty, so the
    // bound holds all the same.
    return std::fopen(path_.c_str(), "wb");
}
