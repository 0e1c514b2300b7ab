#include "store/local_files.h"

#include "base/os.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/program_folder_names.h"
#include "base/trace_file_switch.h"

namespace {
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
    return "file:///" + path;
}
