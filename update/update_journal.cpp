#include "update/update_journal.h"

#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"
#include "update/manifest.h"
#include "base/os.h"
#include "update/update_paths.h"

namespace {
const char SWAPPING[] = "swapping";
const char COMMITTED[] = "committed";

struct SwapItem {
    std::string path;  // manifest path
    bool replaces = false;
};

struct ItemPaths {
    std::string installed, staged, backup;
};

ItemPaths PathsOf(const std::string& programFolder, const SwapItem& item) {
    return {LocalPath(programFolder, item.path), LocalPath(StagingFolder(programFolder), item.path),
            LocalPath(BackupFolder(programFolder), item.path)};
}

std::string JournalText(const char* state, const std::vector<SwapItem>& items) {
    std::string text = std::string(state) + "\n";
    for (const SwapItem& item : items) text += (item.replaces ? "R " : "A ") + item.path + "\n";
    return text;
}

bool ParseJournal(const std::string& text, std::string& state, std::vector<SwapItem>& items) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.empty()) return false;
    state = lines[0];
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        if (line.size() < 3 || (line[0] != 'R' && line[0] != 'A') || line[1] != ' ') return false;
        SwapItem item{line.substr(2), line[0] == 'R'};
        // The journal sits in the program folder; it is checked like the manifest it came from.
        if (!IsSafeUpdatePath(item.path)) return false;
        items.push_back(std::move(item));
    }
    return state == SWAPPING || state == COMMITTED;
}

bool SameBytes(const std::string& first, const std::string& second) {
    std::string a, b;
    return Os().ReadFileBytes(first, a) && Os().ReadFileBytes(second, b) && a == b;
}

// Puts one file back as it was before the swap; each branch matches what the file system shows
// after any number of the steps of MoveIn.
bool RollBackItem(const std::string& programFolder, const SwapItem& item) {
    OsSeam& os = Os();
    const ItemPaths paths = PathsOf(programFolder, item);
    if (item.replaces) {
        if (!os.PathExists(paths.backup)) return true;  // no step was taken
        if (!os.PathExists(paths.installed)) return os.MoveFileOver(paths.backup, paths.installed);
        // Only the copy was made: the old file is still in place.
        if (SameBytes(paths.installed, paths.backup)) return os.RemoveFile(paths.backup);
        // The new file is kept for the next try, then the old one put back over it in one move, as
        // in MoveIn; a running new file is renamed away first.
        std::string fresh;
        os.CreateFolders(ParentFolder(paths.staged));
        if (!os.PathExists(paths.staged) && os.ReadFileBytes(paths.installed, fresh))
            os.WriteFileBytes(paths.staged, fresh);
        if (os.MoveFileOver(paths.backup, paths.installed)) return true;
        return os.MoveFileOver(paths.installed, paths.staged) &&
               os.MoveFileOver(paths.backup, paths.installed);
    }
    if (!os.PathExists(paths.installed) || os.PathExists(paths.staged))
        return true;  // never moved in
    os.CreateFolders(ParentFolder(paths.staged));
    return os.MoveFileOver(paths.installed, paths.staged);
}

bool RollBack(const std::string& programFolder, const std::vector<SwapItem>& items) {
    for (auto item = items.rbegin(); item != items.rend(); ++item)
        if (!RollBackItem(programFolder, *item)) return false;
    return Os().RemoveFile(JournalPath(programFolder));
}

// After the commit: the journal goes last, so a kill here is finished by the next start.
void RemoveLeftovers(const std::string& programFolder) {
    Os().RemoveFolderTree(BackupFolder(programFolder));
    Os().RemoveFolderTree(StagingFolder(programFolder));
    Os().RemoveFile(JournalPath(programFolder));
}

// A replaced file is first copied to update.old and then replaced in one move, so the program
// folder never lacks it, not even for a moment: the panel can always start and recover. A
// running program (the updater's own file) cannot be replaced, only renamed; it is moved aside
// over its copy instead, and the new one moved into the free place.
bool MoveIn(const std::string& programFolder, const SwapItem& item) {
    OsSeam& os = Os();
    const ItemPaths paths = PathsOf(programFolder, item);
    if (!item.replaces) {
        os.CreateFolders(ParentFolder(paths.installed));
        return os.MoveFileOver(paths.staged, paths.installed);
    }
    std::string old;
    os.CreateFolders(ParentFolder(paths.backup));
    if (!os.ReadFileBytes(paths.installed, old) || !os.WriteFileBytes(paths.backup, old))
        return false;
    if (os.MoveFileOver(paths.staged, paths.installed)) return true;
    return os.MoveFileOver(paths.installed, paths.backup) &&
           os.MoveFileOver(paths.staged, paths.installed);
}

// A roll-back puts back whatever update.old holds for a file, so it must hold only what this swap
// copied there: a file left by an older swap (one that could not be deleted then) would be
// "restored" over the installed program. The folder is emptied first, and a swap whose backups
// cannot be cleared does not start.
bool ClearBackups(const std::string& programFolder, const std::vector<SwapItem>& items) {
    Os().RemoveFolderTree(BackupFolder(programFolder));
    for (const SwapItem& item : items)
        if (Os().PathExists(PathsOf(programFolder, item).backup)) return false;
    return true;
}

bool FailAndRollBack(const std::string& programFolder, const std::vector<SwapItem>& items,
                     std::string& reason, const std::string& what) {
    reason = what;
    if (!RollBack(programFolder, items)) reason += "; the roll-back is left for the next start";
    return false;
}
}  // namespace

bool SwapInStagedFiles(const std::string& programFolder, const std::vector<std::string>& paths,
                       std::string& reason) {
    OsSeam& os = Os();
    std::vector<SwapItem> items;
    for (const std::string& path : paths)
        items.push_back({path, os.PathExists(LocalPath(programFolder, path))});

    if (!ClearBackups(programFolder, items)) {
        reason = "cannot empty the folder of old files";
        return false;
    }
    const std::string journal = JournalPath(programFolder);
    if (!os.WriteFileBytes(journal, JournalText(SWAPPING, items))) {
        reason = "cannot write the journal";
        return false;
    }
    for (const SwapItem& item : items)
        if (!MoveIn(programFolder, item))
            return FailAndRollBack(programFolder, items, reason, "cannot move in " + item.path);
    if (!os.WriteFileBytes(journal, JournalText(COMMITTED, items)))
        return FailAndRollBack(programFolder, items, reason, "cannot commit the journal");
    RemoveLeftovers(programFolder);
    return true;
}

RecoveryResult RecoverUnfinishedSwap(const std::string& programFolder) {
    OsSeam& os = Os();
    const std::string journal = JournalPath(programFolder);
    if (!os.PathExists(journal)) {
        // Without a journal every old file is garbage, such as the replaced updater program
        // that could not be deleted while it ran.
        os.RemoveFolderTree(BackupFolder(programFolder));
        return RecoveryResult::NothingToDo;
    }
    std::string text, state;
    std::vector<SwapItem> items;
    if (!os.ReadFileBytes(journal, text) || !ParseJournal(text, state, items))
        return RecoveryResult::Failed;
    if (state == COMMITTED) {
        RemoveLeftovers(programFolder);
        return RecoveryResult::Finished;
    }
    return RollBack(programFolder, items) ? RecoveryResult::RolledBack : RecoveryResult::Failed;
}
