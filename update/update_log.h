// The updater's log, system\update.log: one line per step, so a failed update can be explained.
#pragma once

#include <string>

// Appends "YYYY-MM-DD hh:mm:ss text" (local time) and CR LF; a log that cannot be written is
// no reason to stop an update.
void LogUpdate(const std::string& programFolder, const std::string& text);
