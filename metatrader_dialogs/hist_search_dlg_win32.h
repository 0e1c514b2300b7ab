// CHistSearchDlg: the search for MetaTrader folders, opened by the "検索" buttons of the setup
// dialogs. On OK, Result() is the chosen folder entry.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "metatrader/drive_scan_worker.h"
#include "metatrader_dialogs/folder_search.h"

class CHistSearchDlg : public CDialog, private DriveScanListener {
public:
    explicit CHistSearchDlg(CWnd* parent);

    const std::string& Result() const { return result_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The drive scan's reports, on its thread: handed over to the dialog's thread by posting,
    // so the scan never waits for the dialog (which may be waiting for the scan to stop).
    void FolderFound() override;
    void ScanDone() override;

    void SearchAgain();
    void OnFolderFound();
    void OnScanDone();
    void OnDestroy();
    void AddToList(const std::string& entry) const;
    // The text above the list and the "再検索" button as the search's state has them.
    void ShowState() const;

    FolderSearch search_;
    std::string result_;
};
