#include "prefs/startup_shortcut.h"

#include "base/os.h"
#include "base/program_folder_names.h"
#include "store/local_files.h"

namespace {
const char DESCRIPTION[] = "Pelimor";
// The Startup and the desktop shortcut have the same name.
const char SHORTCUT_FILE[] = "Pelimor.lnk";

std::string InFolder(const std::string& folder, const char* name) {
    return folder.empty() ? std::string() : folder + PathSeparator() + name;
}

bool CreateProgramShortcut(const std::string& linkPath) {
    return !linkPath.empty() &&
           Os().CreateShortcut(linkPath, ShortcutTarget(), "", DESCRIPTION, ProgramFolderPath());
}

// Creates the shortcut unless it exists; reports success or failure, nothing when it existed.
void CreateUnlessPresent(const std::string& linkPath, const char* createdText,
                         const char* failedText) {
    if (!linkPath.empty() && Os().PathExists(linkPath)) return;
    if (CreateProgramShortcut(linkPath))
        Os().AskUser(createdText, MessageKind::Information);
    else
        Os().AskUser(failedText, MessageKind::Ok);
}
}  // namespace

std::string StartupShortcutPath() { return InFolder(Os().StartupFolder(), SHORTCUT_FILE); }
std::string OldStartupShortcutPath() { return InFolder(Os().StartupFolder(), "Olverin.lnk"); }
std::string DesktopShortcutPath() { return InFolder(Os().DesktopFolder(), SHORTCUT_FILE); }
std::string ShortcutTarget() { return ProgramFolderPath() + PANEL_PROGRAM_FILE; }

void CreateFirstRunShortcuts(bool atStartup, bool onDesktop) {
    if (atStartup)
        CreateUnlessPresent(StartupShortcutPath(),
                            "PelimorをPC起動時に同時起動するように設定しました。",
                            "PC起動時の同時起動登録に失敗しました。");
    if (onDesktop)
        CreateUnlessPresent(DesktopShortcutPath(), "Pelimorをデスクトップに作成しました。",
                            "デスクトップへのショートカット作成に失敗しました。");
}

void RegisterAtStartup() {
    std::string link = StartupShortcutPath();
    if (!link.empty() && Os().PathExists(link)) {
        Os().AskUser("既にスタートアップに登録されています。", MessageKind::Ok);
        return;
    }
    if (CreateProgramShortcut(link))
        Os().AskUser("スタートアップに登録しました。", MessageKind::Information);
    else
        Os().AskUser("スタートアップに登録に失敗しました。", MessageKind::Ok);
}

void UnregisterFromStartup() {
    std::string link = StartupShortcutPath();
    std::string oldLink = OldStartupShortcutPath();
    bool linkExists = !link.empty() && Os().PathExists(link);
    bool oldLinkExists = !oldLink.empty() && Os().PathExists(oldLink);
    if (!linkExists && !oldLinkExists) {
        Os().AskUser(
            "スタートアップに登録されていないか登録を検出出来ません。\n"
            "登録されている場合には手動で削除してください。\n",
            MessageKind::Ok);
        return;
    }
    // The new shortcut first; the old one goes only when there is no new one to delete.
    bool deleted =
        (linkExists && Os().RemoveFile(link)) || (oldLinkExists && Os().RemoveFile(oldLink));
    if (deleted)
        Os().AskUser("スタートアップ解除に成功しました。", MessageKind::Information);
    else
        Os().AskUser("スタートアップ解除に失敗しました。", MessageKind::Ok);
}
