#include "metatrader/drive_scan_worker.h"

// <chrono> itself cannot be compiled for CP932 literals; <condition_variable> brings the
// duration types.
#include <condition_variable>
#include <mutex>
#include <system_error>

#include "base/os.h"
#include "metatrader/terminal_folder.h"

// Shared by the worker object and the scan's thread; a scan that was let go keeps it alive.
struct DriveScanWorker::State {
    std::atomic<bool> stopRequested{false};

    mutable std::mutex dataLock;
    std::string currentFolder;
    std::vector<std::string> foundFolders;
    bool ended = false;
    std::condition_variable endedSignal;

    // Held while the listener is called, so Stop can take the listener away safely.
    std::mutex listenerLock;
    DriveScanListener* listener = nullptr;

    void Enter(const std::string& folder) {
        std::lock_guard<std::mutex> hold(dataLock);
        currentFolder = folder;
    }

    void AddFound(const std::string& folder) {
        {
            std::lock_guard<std::mutex> hold(dataLock);
            foundFolders.push_back(folder);
        }
        std::lock_guard<std::mutex> hold(listenerLock);
        if (listener) listener->FolderFound();
    }

    void End() {
        {
            std::lock_guard<std::mutex> hold(listenerLock);
            if (listener) listener->ScanDone();
        }
        std::lock_guard<std::mutex> hold(dataLock);
        ended = true;
        endedSignal.notify_all();
    }
};

DriveScanWorker::DriveScanWorker() : state_(std::make_shared<State>()) {}

DriveScanWorker::~DriveScanWorker() {
    if (started_) Stop(STOP_ALLOWANCE_MILLISECONDS);
}

bool DriveScanWorker::Start(std::vector<std::string> roots, DriveScanListener& listener) {
    if (started_) return false;
    started_ = true;
    state_->listener = &listener;
    try {
        thread_ = std::thread(Run, state_, std::move(roots));
    } catch (const std::system_error&) {
        state_->End();  // no thread to be had: the scan is over before it began
    }
    return true;
}

void DriveScanWorker::RequestStop() { state_->stopRequested = true; }

void DriveScanWorker::Stop(int allowanceMilliseconds) {
    RequestStop();
    // Stopped before (joined, or let go to end by itself): there is nothing to wait for again.
    if (!thread_.joinable()) return;
    bool ended = false;
    {
        std::unique_lock<std::mutex> hold(state_->dataLock);
        ended = state_->endedSignal.wait_for(hold, std::chrono::milliseconds(allowanceMilliseconds),
                                             [this] { return state_->ended; });
    }
    {
        std::lock_guard<std::mutex> hold(state_->listenerLock);
        state_->listener = nullptr;
    }
    if (ended)
        thread_.join();
    else
        thread_.detach();
}

std::string DriveScanWorker::CurrentFolder() const {
    std::lock_guard<std::mutex> hold(state_->dataLock);
    return state_->currentFolder;
}

std::vector<std::string> DriveScanWorker::FoundFolders() const {
    std::lock_guard<std::mutex> hold(state_->dataLock);
    return state_->foundFolders;
}

void DriveScanWorker::Run(const std::shared_ptr<State>& state, std::vector<std::string> roots) {
    // Folders still to visit, the next one last: a depth-first walk that lists each folder
    // completely before descending, without deep recursion on very deep trees.
    std::vector<std::string> pending(roots.rbegin(), roots.rend());
    while (!pending.empty() && !state->stopRequested) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        state->Enter(folder);
        if (IsTerminalFolder(folder) && !state->stopRequested) state->AddFound(folder);
        const std::vector<std::string> subfolders = Os().ListSubfolders(folder);
        for (auto subfolder = subfolders.rbegin(); subfolder != subfolders.rend(); ++subfolder)
            pending.push_back(*subfolder + PathSeparator());
    }
    state->End();
}
