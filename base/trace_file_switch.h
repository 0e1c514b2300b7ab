// The process's trace file: the lines of Os().Trace kept on the user's disk, for a fault that
// shows on one computer only. It is off unless the user switches it on by creating the marker
// file TRACE_MARKER_NAME in the program's setting folder; the program looks for the marker once,
// at its start. The file is bounded: it rotates at TRACE_FILE_BOUND (RotatingTraceFile).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr char TRACE_MARKER_NAME[] = "trace.on";
constexpr uint64_t TRACE_FILE_BOUND = 256 * 1024;

// Switches the trace file on, writing to tracePath, when markerPath exists now, and off when it
// does not. The last call holds. True when the file is on.
bool StartTraceFile(const std::string& markerPath, const std::string& tracePath);

// Adds the line, after the local time of now ("2026-12-10 21:15:02 "), to the trace file when it
// is on. Any thread may call it; the OS seam's Trace does.
void WriteToTraceFile(int64_t now, std::string_view line);
