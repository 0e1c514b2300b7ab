// CUpdaterDlg: the updater's small window, a status line and a progress bar, shown while a
// worker thread runs the update. The window only shows what the worker posts; it never waits
// on the network, and it cannot be closed while the update runs, since a half-done swap is
// rolled back only by the next start.
#pragma once

#include <mutex>
#include <string>
#include <thread>

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
    void OnCancel() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Called on the worker thread.
    void ShowStatus(const std::string& text, int percent) override;
    bool WaitForProgramExit() override;
    void RunWorker();

    const std::string programFolder_;
    std::thread worker_;
    std::mutex statusMutex_;
    std::string statusText_;
    int statusPercent_ = 0;
    UpdateResult result_;
};
