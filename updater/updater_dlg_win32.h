// CUpdaterDlg: the updater's small window, a status line and a progress bar, shown while a
// worker thread runs the update. The window only shows what the worker posts; it never waits
// on the network. Closing it asks once whether to stop the update; on Yes the worker's work is
// cancelled and the update ends at its next step, never inside the swap (a half-done swap is
// rolled back only by the next start), so the program stays as it was.
#pragma once

#include <mutex>
#include <string>
#include <thread>

#include "base/cancel_token.h"
#include "framework/dialog.h"
#include "update/run_update.h"

class CUpdaterDlg : public CDialog, private UpdateProgress {
public:
    explicit CUpdaterDlg(std::string programFolder);
    ~CUpdaterDlg() override;

    // What the update came to; valid once DoModal has returned.
    const UpdateResult& Result() const { return result_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Called on the worker thread.
    void ShowStatus(const std::string& text, int percent) override;
    bool WaitForProgramExit() override;
    void RunWorker();
    void EndOnceWorkerIsDone();

    const std::string programFolder_;
    std::thread worker_;
    CancelToken stop_;     // the user's stop; bound to the worker's thread
    bool asking_ = false;  // the stop question is open
    bool workerDone_ = false;
    std::mutex statusMutex_;
    std::string statusText_;
    int statusPercent_ = 0;
    UpdateResult result_;
};
