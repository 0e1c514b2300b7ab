// Where an update keeps its work in the program folder, all below "system":
//   update.new\     the downloaded files of the release, in the program folder's layout
//   update.old\     the replaced files while a swap is under way
//   update.journal  the record of a swap, present from before its first move until it ended
//   update.log      what the updater did
#pragma once

#include <string>
#include <string_view>

// Every work path, and their temporary files, start with this (as a manifest path, lower case);
// no manifest may name a path that does.
inline constexpr const char UPDATER_WORK_PREFIX[] = "system\\update.";

// The local path of a manifest path below a folder (which ends with the path separator): every
// "\" becomes the platform's separator.
std::string LocalPath(const std::string& folder, std::string_view manifestPath);

// The folder holding the file at path, without its trailing separator.
std::string ParentFolder(const std::string& path);

std::string StagingFolder(const std::string& programFolder);  // system\update.new\ (with separator)
std::string BackupFolder(const std::string& programFolder);   // system\update.old\ (with separator)
std::string JournalPath(const std::string& programFolder);
std::string UpdateLogPath(const std::string& programFolder);
