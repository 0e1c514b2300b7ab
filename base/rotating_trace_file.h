// A trace file that outlasts the run without filling the disk: lines are added at its end until
// the next one would take it past its bound; then the file becomes PATH.1 (replacing the older
// part kept there) and a new file starts with that line. The two together never hold more than
// twice the bound.
//
// Any thread may add lines; each line is written whole. The file is opened for each line and
// closed again, so nothing is held open between traces and a crash loses no buffered line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

class RotatingTraceFile {
public:
    RotatingTraceFile(std::string path, uint64_t boundBytes);

    // Adds the line and CR LF. A line longer than the bound is cut to fit it; a CR or LF in it
    // becomes a space, so one call is one line of the file. A failure is
    // silent: a trace line has no one to report to.
    void Append(std::string_view line);

    const std::string& Path() const { return path_; }
    // Where the older part is kept: the path with ".1" added.
    std::string OlderPartPath() const { return path_ + ".1"; }

private:
    std::FILE* StartNewPart() const;

    const std::string path_;
    const uint64_t bound_;
    // Recursive: the crash handler traces on the crashing thread, which may be inside Append.
    std::recursive_mutex lock_;
};
