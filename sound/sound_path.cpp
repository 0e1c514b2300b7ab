#include "sound/sound_path.h"

#include "base/os.h"
#include "store/local_files.h"
#include "base/cp932_text.h"

namespace {
bool HasDrivePrefix(const std::string& path) {
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\';
}

// A file on a network share: \\server\share\...
bool IsNetworkPath(const std::string& path) { return path.starts_with("\\\\"); }
}  // namespace

std::string ResolveSoundPath(const std::string& path) {
    if (HasDrivePrefix(path) || IsNetworkPath(path)) return path;
    if (PathSeparator() == '\\') return ProgramFolderPath() + path;
    if (!path.empty() && path[0] == '/') return path;
    std::string relative = path;
    ReplaceAllMbcs(relative, "\\", "/");
    return ProgramFolderPath() + relative;
}

std::string ProgramRelativeSoundPath(const std::string& path) {
    const std::string folder = LowerAsciiLetters(ProgramFolderPath());
    if (LowerAsciiLetters(path).starts_with(folder)) return path.substr(folder.size());
    return path;
}
