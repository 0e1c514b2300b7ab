// The search of whole drives for terminal folders, on a thread of its own.
//
// The scan visits every folder below the given roots, depth first, and collects each terminal
// folder it meets (also below another terminal folder). The search dialog shows the folder being
// entered and the folders found; both are shared under a lock, so the dialog reads them at any
// time. The scan ends promptly when asked: it looks at the stop request before entering each
// folder, and it never waits for the dialog, whose listener only posts a message.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Receives the scan's reports on the scan's thread. Both must return at once (the dialog posts a
// message to itself), so the scan can never be held up by a dialog that is waiting for it.
class DriveScanListener {
public:
    virtual void FolderFound() = 0;  // the found folders have grown
    virtual void ScanDone() = 0;     // the scan has ended, whether finished or stopped

protected:
    ~DriveScanListener() = default;
};

class DriveScanWorker {
public:
    // How long the destructor waits for a scan that was asked to stop.
    static constexpr int STOP_ALLOWANCE_MILLISECONDS = 5000;

    DriveScanWorker();
    // Stops a running scan (Stop with STOP_ALLOWANCE_MILLISECONDS).
    ~DriveScanWorker();
    DriveScanWorker(const DriveScanWorker&) = delete;
    DriveScanWorker& operator=(const DriveScanWorker&) = delete;

    // Starts scanning the roots (each ending with the separator) and reporting to listener.
    // A worker scans once: false, and nothing started, when it has been started before.
    bool Start(std::vector<std::string> roots, DriveScanListener& listener);

    // Asks the scan to stop; it ends after the folder it is listing and reports ScanDone.
    void RequestStop();

    // Asks the scan to stop and waits up to that many milliseconds for it to end. A scan still busy
    // after that (a huge folder being listed) is let go: it ends by itself, touching only state of
    // its own. The listener is not called after Stop returns.
    void Stop(int allowanceMilliseconds);

    // The folder the scan entered last ("" before the first).
    std::string CurrentFolder() const;
    // The terminal folders found so far, each ending with the separator, in the order found.
    std::vector<std::string> FoundFolders() const;

private:
    struct State;
    static void Run(const std::shared_ptr<State>& state, std::vector<std::string> roots);

    std::shared_ptr<State> state_;
    std::thread thread_;
    bool started_ = false;
};
