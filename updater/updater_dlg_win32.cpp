#include "updater/updater_dlg_win32.h"

#include <commctrl.h>

#include "base/cancel_token.h"
#include "base/os.h"
#include "base/panel_and_updater.h"
#include "framework/private_messages.h"
#include "net/server_url.h"
#include "update/update_public_key.h"
#include "updater/updater_resource.h"

namespace {
const char CAPTION[] = "Pelimor 更新";
const char STARTING[] = "更新を準備しています...";
const char CLOSE_PROGRAM[] =
    "Pelimorがまだ起動しています。\nPelimorを終了してから「OK」を押してください。\n"
    "「キャンセル」を押すと更新を中止します。";
const char STOP_QUESTION[] = "更新を中止しますか？\n中止してもプログラムは元のままです。";

constexpr ULONGLONG PANEL_WAIT_MILLISECONDS = 30000;
constexpr DWORD PANEL_POLL_MILLISECONDS = 250;

bool PanelRunning() {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, PANEL_INSTANCE_LOCK_NAME);
    if (!mutex) return false;
    // Closed at once: a handle kept here would keep the mutex alive after the panel ended.
    CloseHandle(mutex);
    return true;
}

// False also once the update has been stopped.
bool PanelEndsWithin(ULONGLONG milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (PanelRunning()) {
        if (GetTickCount64() >= end || ThisThreadCancelled()) return false;
        SleepUnlessCancelled(PANEL_POLL_MILLISECONDS);
    }
    return true;
}
}  // namespace

CUpdaterDlg::CUpdaterDlg(std::string programFolder)
    : CDialog(IDD_UPDATER), programFolder_(std::move(programFolder)) {}

CUpdaterDlg::~CUpdaterDlg() {
    if (worker_.joinable()) worker_.join();
}

bool CUpdaterDlg::OnInitDialog() {
    SetWindowText(CAPTION);
    SetDlgItemText(IDC_UPDATER_STATUS, STARTING);
    SendDlgItemMessage(IDC_UPDATER_PROGRESS, PBM_SETRANGE32, 0, 100);
    worker_ = std::thread(&CUpdaterDlg::RunWorker, this);
    return true;
}

void CUpdaterDlg::RunWorker() {
    const UpdateSource source{ServerBaseUrl(), std::string(UPDATE_PUBLIC_KEY),
                              PELIMOR_PROGRAM_VERSION};
    {
        ScopedThreadCancelToken stoppable(stop_);
        result_ = RunUpdate(programFolder_, source, *this);
    }
    PostMessage(UM_UPDATE_DONE);
}

void CUpdaterDlg::ShowStatus(const std::string& text, int percent) {
    {
        std::lock_guard<std::mutex> lock(statusMutex_);
        statusText_ = text;
        statusPercent_ = percent;
    }
    PostMessage(UM_UPDATE_STATUS);
}

bool CUpdaterDlg::WaitForProgramExit() {
    while (!PanelEndsWithin(PANEL_WAIT_MILLISECONDS))
        if (ThisThreadCancelled() ||
            Os().AskUser(CLOSE_PROGRAM, MessageKind::OkCancel) != MessageAnswer::Ok)
            return false;
    return true;
}

void CUpdaterDlg::OnCancel() {
    // One question at a time; once stopped, the worker is already on its way out.
    if (asking_ || stop_.Cancelled() || workerDone_) return;
    asking_ = true;
    const bool stop = Os().AskUser(STOP_QUESTION, MessageKind::YesNoQuestion) == MessageAnswer::Yes;
    asking_ = false;
    if (stop) stop_.Cancel();
    // The worker may have ended while the question was open.
    if (workerDone_) EndOnceWorkerIsDone();
}

void CUpdaterDlg::EndOnceWorkerIsDone() {
    worker_.join();
    EndDialog(IDOK);
}

bool CUpdaterDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == UM_UPDATE_STATUS) {
        std::lock_guard<std::mutex> lock(statusMutex_);
        SetDlgItemText(IDC_UPDATER_STATUS, statusText_);
        SendDlgItemMessage(IDC_UPDATER_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(statusPercent_));
        return true;
    }
    if (message == UM_UPDATE_DONE) {
        workerDone_ = true;
        if (!asking_) EndOnceWorkerIsDone();
        return true;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}
