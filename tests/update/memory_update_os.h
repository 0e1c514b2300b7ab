// An OS seam that keeps the program folder in memory and can "kill the process": after a
// budget of changing operations (a write, a move, a removal of one file) every further change
// fails without effect, exactly as if the process had ended there. Reads keep working, since
// they change nothing. Digests and signatures come from the platform; the clock and the rest
// from FakeOs.
#pragma once

#include <climits>
#include <map>
#include <string>

#include "tests/support/test_os.h"

class MemoryUpdateOs : public FakeOs {
public:
    using Files = std::map<std::string, std::string>;

    explicit MemoryUpdateOs(Files initial = {}, int changeBudget = INT_MAX)
        : files(std::move(initial)), budget(changeBudget) {}

    bool ReadFileBytes(const std::string& path, std::string& bytes) override {
        auto found = files.find(path);
        if (found == files.end()) return false;
        bytes = found->second;
        return true;
    }
    bool WriteFileBytes(const std::string& path, const std::string& bytes) override {
        if (!Change() || Refused(path)) return false;
        files[path] = bytes;
        return true;
    }
    bool MoveFileOver(const std::string& source, const std::string& target) override {
        if (!Change() || Refused(source) || Refused(target) || !files.count(source)) return false;
        if (target == runningPath && files.count(target)) return false;  // renamed, never replaced
        files[target] = files[source];
        files.erase(source);
        return true;
    }
    bool RemoveFile(const std::string& path) override { return Change() && files.erase(path) == 1; }
    bool PathExists(const std::string& path) override {
        if (files.count(path)) return true;
        auto next = files.lower_bound(path + PathSeparator());
        return next != files.end() && next->first.rfind(path + PathSeparator(), 0) == 0;
    }
    // The log counts as no step of the swap, but a dead process writes no more of it.
    void AppendToFile(const std::string& path, const std::string& bytes) override {
        if (changes < budget) files[path] += bytes;
    }
    void CreateFolders(const std::string&) override {}
    void RemoveFolderTree(const std::string& folder) override {
        std::string prefix = folder;
        if (prefix.empty() || prefix.back() != PathSeparator()) prefix += PathSeparator();
        for (auto file = files.lower_bound(prefix);
             file != files.end() && file->first.rfind(prefix, 0) == 0;) {
            if (Refused(file->first)) {
                ++file;
                continue;
            }
            if (!Change()) return;
            file = files.erase(file);
        }
    }
    bool AcquireUpdateLock() override {
        if (otherUpdaterRunning) return false;
        updateLockHeld = true;
        return true;
    }
    void ReleaseUpdateLock() override { updateLockHeld = false; }

    // True while the process "lives"; counts the change.
    bool Change() {
        if (changes >= budget) return false;
        ++changes;
        return true;
    }
    bool Refused(const std::string& path) const {
        return !refusedPath.empty() && path == refusedPath;
    }

    Files files;
    int budget;
    int changes = 0;
    // A write to, a move from or to, or a removal by folder of this path fails (a locked file).
    std::string refusedPath;
    std::string runningPath;  // a running program: it can be moved away but not replaced
    bool otherUpdaterRunning = false;
    bool updateLockHeld = false;
};
