#include "base/trace_file_switch.h"

#include <memory>
#include <mutex>

#include "base/byte_text.h"
#include "base/local_time.h"
#include "base/os.h"
#include "base/rotating_trace_file.h"

namespace {
// Guards the pointer only: a writer keeps the file it took alive while it writes, so a switch
// during a write neither waits for it nor pulls the file away.
std::mutex g_switchLock;
std::shared_ptr<RotatingTraceFile> g_traceFile;

std::shared_ptr<RotatingTraceFile> CurrentTraceFile() {
    std::lock_guard<std::mutex> hold(g_switchLock);
    return g_traceFile;
}

std::string Stamp(int64_t now) {
    LocalTime local = ToLocalTime(now);
    return FormatText("%04d-%02d-%02d %02d:%02d:%02d ", local.year, local.month, local.day,
                      local.hour, local.minute, local.second);
}
}  // namespace

bool StartTraceFile(const std::string& markerPath, const std::string& tracePath) {
    std::shared_ptr<RotatingTraceFile> file;
    if (Os().PathExists(markerPath))
        file = std::make_shared<RotatingTraceFile>(tracePath, TRACE_FILE_BOUND);
    std::lock_guard<std::mutex> hold(g_switchLock);
    g_traceFile = file;
    return file != nullptr;
}

void WriteToTraceFile(int64_t now, std::string_view line) {
    std::shared_ptr<RotatingTraceFile> file = CurrentTraceFile();
    if (file) file->Append(Stamp(now) + std::string(line));
}
