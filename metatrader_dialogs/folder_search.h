// What the terminal-folder search dialog shows and does, without the window.
//
// The dialog opens with the folders an earlier drive scan found. "再検索" first asks the
// terminals' own records (their per-user data folders); only when those name nothing does it scan
// every fixed drive on a worker thread, which may take very long. While the scan runs the
// dialog's text follows the folder being entered and the list grows as terminals are found;
// the found folders are kept in the core, so they are shown again next time, also after a
// restart. Closing the dialog stops a running scan.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_core.h"
#include "metatrader/drive_scan_worker.h"

class FolderSearch {
public:
    enum class State {
        Idle,        // nothing searched yet, or the drive scan has ended
        Discovered,  // the list shows the terminals' data folders; no scan was needed
        Scanning,    // the drive scan runs
    };

    // listener receives the drive scan's reports on the scan's thread; it must only hand them
    // over to the dialog's thread (which then calls TakeFoundFolders and ScanEnded).
    FolderSearch(CAppCore& core, DriveScanListener& listener);

    State CurrentState() const { return state_; }
    // "再検索" is offered until a search has run, and again after a drive scan.
    bool CanSearch() const { return state_ == State::Idle; }
    // The list's entries, in order.
    const std::vector<std::string>& Entries() const { return entries_; }
    // The text above the list: the instructions, or while scanning the folder being searched.
    std::string StatusText() const;

    // "再検索": empties the list and the core's found folders, then lists the terminals' data
    // folders, or when there are none starts the drive scan.
    void Search();
    // The scan found more folders: they are kept in the core, and those the list does not show
    // yet are added to it and returned (to be appended to the list control).
    std::vector<std::string> TakeFoundFolders();
    // The scan has ended.
    void ScanEnded();

    // OK on the list entry at index: its text, or nothing (the user is asked to choose one)
    // when no entry is selected.
    std::optional<std::string> Choose(int index) const;

    // The dialog closes: a running scan is stopped (allowing it a few seconds), whatever it
    // found is kept in the core, and the settings are saved.
    void Close();

private:
    void KeepScanResults();

    CAppCore& core_;
    DriveScanListener& listener_;
    State state_ = State::Idle;
    std::vector<std::string> entries_;
    std::unique_ptr<DriveScanWorker> scan_;  // one worker per scan
};
