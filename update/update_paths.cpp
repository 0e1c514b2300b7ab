#include "update/update_paths.h"

#include "base/os.h"
#include "base/program_folder_names.h"

namespace {
std::string SystemFolder(const std::string& programFolder) {
    return programFolder + SYSTEM_FOLDER_NAME + PathSeparator();
}
}  // namespace

std::string LocalPath(const std::string& folder, std::string_view manifestPath) {
    std::string path = folder + std::string(manifestPath);
    for (size_t i = folder.size(); i < path.size(); ++i)
        if (path[i] == '\\') path[i] = PathSeparator();
    return path;
}

std::string ParentFolder(const std::string& path) {
    size_t separator = path.rfind(PathSeparator());
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::string StagingFolder(const std::string& programFolder) {
    return SystemFolder(programFolder) + "update.new" + PathSeparator();
}

std::string BackupFolder(const std::string& programFolder) {
    return SystemFolder(programFolder) + "update.old" + PathSeparator();
}

std::string JournalPath(const std::string& programFolder) {
    return SystemFolder(programFolder) + "update.journal";
}

std::string UpdateLogPath(const std::string& programFolder) {
    return SystemFolder(programFolder) + "update.log";
}
