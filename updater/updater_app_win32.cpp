#include "updater/updater_app_win32.h"

#include <windows.h>
#include <commctrl.h>

#include "base/os.h"
#include "update/update_log.h"
#include "updater/updater_dlg_win32.h"

namespace {
const char ALREADY_UPDATING[] = "更新は既に実行中です。";
const char STARTED_BY_UPDATER[] = "byupdater";
const char PROGRAM_FILE[] = "Pelimor.exe";

// The updater lives in the program folder's "system" folder, whose name is plain ASCII, so the
// separator found before it is a real one even when the folders above hold CP932 names.
std::string ProgramFolderOfUpdater() {
    std::string folder = Os().ProgramFolder();
    folder.pop_back();
    return folder.substr(0, folder.rfind('\\') + 1);
}
}  // namespace

// The one application object.
CUpdaterApp theUpdaterApp;

bool CUpdaterApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const std::string programFolder = ProgramFolderOfUpdater();
    if (!Os().AcquireUpdateLock()) {
        Os().AskUser(ALREADY_UPDATING, MessageKind::Ok);
        return false;
    }
    LogUpdate(programFolder, "updater started with \"" + m_commandLine + "\"");

    CUpdaterDlg dialog(programFolder);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    const UpdateResult& result = dialog.Result();

    // The swap is over: a panel started now must not wait for this process.
    Os().ReleaseUpdateLock();
    if (!result.updated) Os().AskUser(result.userMessage, MessageKind::Ok);
    const std::string parameters = result.updated ? STARTED_BY_UPDATER : "";
    if (!Os().OpenWithShell(programFolder + PROGRAM_FILE, parameters))
        LogUpdate(programFolder, "cannot start Pelimor.exe");
    else
        LogUpdate(programFolder, "started Pelimor.exe " + parameters);
    return false;
}
