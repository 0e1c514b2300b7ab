#include "updater/updater_app_win32.h"

#include <windows.h>
#include <commctrl.h>

#include "base/os.h"
#include "base/panel_and_updater.h"
#include "base/program_folder_names.h"
#include "net/test_timings.h"
#include "update/update_log.h"
#include "updater/updater_dlg_win32.h"

namespace {
const char ALREADY_UPDATING[] = "更新は既に実行中です。";

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
    ApplyTestNetworkTimeout();
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
    if (!Os().OpenWithShell(programFolder + PANEL_PROGRAM_FILE, parameters))
        LogUpdate(programFolder, std::string("cannot start ") + PANEL_PROGRAM_FILE);
    else
        LogUpdate(programFolder, std::string("started ") + PANEL_PROGRAM_FILE + " " + parameters);
    return false;
}
