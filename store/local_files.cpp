#include "store/local_files.h"

#include "base/os.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/program_folder_names.h"
#include "base/trace_file_switch.h"

#include <string_view>

namespace {
// Characters a URL path holds as they are (RFC 3986 unreserved, and the sub-delimiters, ":",
// "@" and "/" of a path).
bool IsPlainPathByte(unsigned char byte) {
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= 'a' && byte <= 'z'))
        return true;
    return std::string_view("-._~!$&'()*+,;=:@/").find(static_cast<char>(byte)) !=
           std::string_view::npos;
}

std::string EscapedPath(const std::string& path) {
    std::string escaped;
    for (size_t i = 0; i < path.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(path[i]);
        if (IsCp932LeadByte(byte) && i + 1 < path.size()) {
            escaped.append(path, i, 2);
            ++i;
        } else if (byte >= 0x80 || IsPlainPathByte(byte)) {
            escaped += static_cast<char>(byte);
        } else {
            escaped += FormatText("%%%02X", byte);
        }
    }
    return escaped;
}

std::string SubFolder(const char* name) {
    std::string folder = ProgramFolderPath() + name;
    Os().CreateFolder(folder);
    folder += PathSeparator();
    Os().CreateFolder(folder);
    return folder;
}
}  // namespace

std::string ProgramFolderPath() { return Os().ProgramFolder(); }
std::string SettingFolderPath() { return SubFolder(SETTING_FOLDER_NAME); }
std::string SystemFolderPath() { return SubFolder(SYSTEM_FOLDER_NAME); }

std::string SettingsFilePath() { return SettingFolderPath() + "iasetting.dat"; }
std::string IndicatorFilePath() { return SettingFolderPath() + "iaindex2.dat"; }
std::string NewsFilePath(bool newsStore) {
    return SettingFolderPath() + (newsStore ? "iasnews.dat" : "ianews.dat");
}
std::string RuleFilePath() { return SettingFolderPath() + "iaacm.dat"; }
std::string ScratchFilePath(int kind) {
    return SettingFolderPath() + FormatText("iaweb%d.dat", kind);
}
std::string PageFilePath() { return SystemFolderPath() + "ialweb.dat"; }
std::string UpdaterPath() { return SystemFolderPath() + UPDATER_PROGRAM_FILE; }
std::string TraceMarkerPath() { return SettingFolderPath() + TRACE_MARKER_NAME; }
std::string TraceFilePath() { return SystemFolderPath() + "Pelimor-trace.txt"; }

std::string PageUrl() {
    std::string path = PageFilePath();
    ReplaceAllMbcs(path, "\\", "/");
    // A POSIX path already starts with the separator; a Windows network path
    // (\\server\share\...) keeps both of its slashes.
    if (PathSeparator() == '/') TrimPrefix(path, "/");
    return "file:///" + EscapedPath(path);
}
