#include "update/update_journal.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/os.h"
#include "tests/support/test_os.h"
#include "tests/update/memory_update_os.h"
#include "update/interrupted_update.h"
#include "update/update_paths.h"

namespace {
using Files = MemoryUpdateOs::Files;

const std::string FOLDER = std::string("program") + PathSeparator();
// Replaced: the panel and the running updater itself. Added: a file in a new folder. Kept: the
// manual, and the user's settings, which no release may touch.
const std::vector<std::string> SWAPPED = {"Pelimor.exe", "system\\pelimorupdater.exe",
                                          "extra\\new.dat"};

std::string At(const std::string& manifestPath) { return LocalPath(FOLDER, manifestPath); }
std::string Staged(const std::string& manifestPath) {
    return LocalPath(StagingFolder(FOLDER), manifestPath);
}

Files OldProgram() {
    return {{At("Pelimor.exe"), "old panel"},
            {At("system\\pelimorupdater.exe"), "old updater"},
            {At("manual.pdf"), "manual"},
            {At("setting\\iasetting.dat"), "the user's settings"}};
}

Files NewProgram() {
    Files files = OldProgram();
    files[At("Pelimor.exe")] = "new panel";
    files[At("system\\pelimorupdater.exe")] = "new updater";
    files[At("extra\\new.dat")] = "new file";
    return files;
}

// The old program with the new release waiting in update.new.
Files ReadyToSwap() {
    Files files = OldProgram();
    files[Staged("Pelimor.exe")] = "new panel";
    files[Staged("system\\pelimorupdater.exe")] = "new updater";
    files[Staged("extra\\new.dat")] = "new file";
    return files;
}

// What the user runs: every file except the updater's work below system\update.*.
Files ProgramView(const Files& files) {
    const std::string work = FOLDER + "system" + PathSeparator() + "update.";
    Files view;
    for (const auto& [path, bytes] : files)
        if (path.rfind(work, 0) != 0) view[path] = bytes;
    return view;
}

bool HasWorkFilesBesidesStagingAndLog(const Files& files) {
    for (const auto& [path, bytes] : files)
        if (ProgramView({{path, bytes}}).empty() && path.rfind(StagingFolder(FOLDER), 0) != 0 &&
            path != UpdateLogPath(FOLDER))
            return true;
    return false;
}

// Whether the updater's own file runs (as it does when the updater swaps and recovers) or not (as
// when the panel recovers).
const std::string NOTHING_RUNS;
const std::string UPDATER_RUNS = At("system\\pelimorupdater.exe");

Files SwapKilledAfter(int changes, const std::string& running) {
    MemoryUpdateOs os(ReadyToSwap(), changes);
    os.runningPath = running;
    std::string reason;
    SwapInStagedFiles(FOLDER, SWAPPED, reason);
    return os.files;
}

Files Recovered(const Files& files, const std::string& running, int changes = INT_MAX) {
    MemoryUpdateOs os(files, changes);
    os.runningPath = running;
    RecoverUnfinishedSwap(FOLDER);
    return os.files;
}

int ChangesOfAWholeSwap(const std::string& running) {
    MemoryUpdateOs os(ReadyToSwap());
    os.runningPath = running;
    std::string reason;
    EXPECT_TRUE(SwapInStagedFiles(FOLDER, SWAPPED, reason)) << reason;
    return os.changes;
}

// The program the user starts must be there at every moment, so the panel can always recover.
bool PanelPresent(const Files& files) { return files.count(At("Pelimor.exe")) == 1; }
}  // namespace

TEST(UpdateJournal, AWholeSwapInstallsTheNewProgramAndLeavesNoWorkFiles) {
    for (const std::string& running : {NOTHING_RUNS, UPDATER_RUNS}) {
        MemoryUpdateOs os(ReadyToSwap());
        os.runningPath = running;
        std::string reason;
        ASSERT_TRUE(SwapInStagedFiles(FOLDER, SWAPPED, reason)) << reason;
        EXPECT_EQ(os.files, NewProgram()) << running;
    }
}

TEST(UpdateJournal, AKillAfterAnyStepIsRecoveredToExactlyTheOldOrTheNewProgram) {
    for (const std::string& running : {NOTHING_RUNS, UPDATER_RUNS}) {
        const int total = ChangesOfAWholeSwap(running);
        ASSERT_GT(total, 6);
        bool sawOld = false, sawNew = false;
        for (int killedAfter = 0; killedAfter <= total; ++killedAfter) {
            const Files left = SwapKilledAfter(killedAfter, running);
            EXPECT_TRUE(PanelPresent(left)) << "killed after " << killedAfter << " changes";
            const Files recovered = Recovered(left, running);
            const Files view = ProgramView(recovered);
            const bool isOld = view == OldProgram(), isNew = view == NewProgram();
            EXPECT_TRUE(isOld || isNew) << running << " killed after " << killedAfter << " changes";
            EXPECT_FALSE(HasWorkFilesBesidesStagingAndLog(recovered))
                << "killed after " << killedAfter;
            sawOld |= isOld;
            sawNew |= isNew;
            // After a roll-back the release still waits in update.new: the next updater completes
            // it.
            if (isOld) {
                MemoryUpdateOs again(recovered);
                again.runningPath = running;
                std::string reason;
                EXPECT_TRUE(SwapInStagedFiles(FOLDER, SWAPPED, reason)) << reason;
                EXPECT_EQ(again.files, NewProgram()) << running << " killed after " << killedAfter;
            }
        }
        EXPECT_TRUE(sawOld);
        EXPECT_TRUE(sawNew);
    }
}

TEST(UpdateJournal, ARecoveryKilledInTurnIsCompletedByTheNextStart) {
    for (const std::string& running : {NOTHING_RUNS, UPDATER_RUNS}) {
        const int total = ChangesOfAWholeSwap(running);
        for (int killedAfter = 0; killedAfter <= total; ++killedAfter) {
            const Files left = SwapKilledAfter(killedAfter, running);
            for (int recoveryKilledAfter = 0; recoveryKilledAfter < total; ++recoveryKilledAfter) {
                const Files half = Recovered(left, running, recoveryKilledAfter);
                EXPECT_TRUE(PanelPresent(half));
                const Files view = ProgramView(Recovered(half, running));
                EXPECT_TRUE(view == OldProgram() || view == NewProgram())
                    << running << " swap killed after " << killedAfter << ", recovery after "
                    << recoveryKilledAfter;
            }
        }
    }
}

TEST(UpdateJournal, AMoveThatFailsRollsTheSwapBack) {
    for (const std::string& refused : {At("Pelimor.exe"), Staged("extra\\new.dat")}) {
        MemoryUpdateOs os(ReadyToSwap());
        os.refusedPath = refused;
        std::string reason;
        EXPECT_FALSE(SwapInStagedFiles(FOLDER, SWAPPED, reason)) << refused;
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(ProgramView(os.files), OldProgram()) << refused;
        EXPECT_FALSE(os.PathExists(JournalPath(FOLDER))) << refused;
    }
}

TEST(UpdateJournal, ARollBackNeverPutsBackAFileThatAnOlderSwapLeftAmongTheOldFiles) {
    const std::string leftBackup = LocalPath(BackupFolder(FOLDER), "system\\pelimorupdater.exe");
    Files files = ReadyToSwap();
    files[leftBackup] = "an updater left by an older swap";
    {
        // The first move fails, so the updater's file is rolled back without having been copied.
        MemoryUpdateOs os(files);
        os.refusedPath = At("Pelimor.exe");
        std::string reason;
        EXPECT_FALSE(SwapInStagedFiles(FOLDER, SWAPPED, reason));
        EXPECT_EQ(ProgramView(os.files), OldProgram());
    }
    // An old file that cannot be deleted keeps the swap from starting at all.
    MemoryUpdateOs os(files);
    os.refusedPath = leftBackup;
    std::string reason;
    EXPECT_FALSE(SwapInStagedFiles(FOLDER, SWAPPED, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ProgramView(os.files), OldProgram());
    EXPECT_FALSE(os.PathExists(JournalPath(FOLDER)));
}

TEST(UpdateJournal, WithoutAJournalRecoveryOnlyDropsOldFilesLeftBehind) {
    Files files = NewProgram();
    files[LocalPath(BackupFolder(FOLDER), "system\\pelimorupdater.exe")] =
        "old updater, was running";
    files[Staged("Pelimor.exe")] = "a download for the next try";
    MemoryUpdateOs os(files);
    EXPECT_EQ(RecoverUnfinishedSwap(FOLDER), RecoveryResult::NothingToDo);
    Files expected = NewProgram();
    expected[Staged("Pelimor.exe")] = "a download for the next try";
    EXPECT_EQ(os.files, expected);
}

TEST(UpdateJournal, AJournalThatNamesAPathOutsideTheProgramIsNotFollowed) {
    Files files = OldProgram();
    files[JournalPath(FOLDER)] = "swapping\nR ..\\..\\Windows\\evil.dll\n";
    MemoryUpdateOs os(files);
    EXPECT_EQ(RecoverUnfinishedSwap(FOLDER), RecoveryResult::Failed);
    EXPECT_EQ(os.files, files);
}

TEST(UpdateJournal, ThePanelEndsAnInterruptedSwapUnlessAnUpdaterIsAtWork) {
    const Files left = SwapKilledAfter(4, NOTHING_RUNS);
    ASSERT_NE(ProgramView(left), OldProgram());
    {
        MemoryUpdateOs os(left);
        os.otherUpdaterRunning = true;
        EndInterruptedUpdate(FOLDER);
        EXPECT_EQ(os.files, left);
    }
    MemoryUpdateOs os(left);
    EndInterruptedUpdate(FOLDER);
    EXPECT_EQ(ProgramView(os.files), OldProgram());
    EXPECT_NE(os.files[UpdateLogPath(FOLDER)].find("rolled back"), std::string::npos);
    EXPECT_FALSE(os.updateLockHeld);
}

TEST(UpdateJournal, OnTheRealFileSystemAHalfDoneSwapRollsBackAndKeepsTheNewFileForTheNextTry) {
    TempFolder temp;
    const std::string folder = temp.Path();
    auto write = [](const std::string& path, const std::string& bytes) {
        Os().CreateFolders(ParentFolder(path));
        ASSERT_TRUE(Os().WriteFileBytes(path, bytes)) << path;
    };
    const std::string css = LocalPath(folder, "system\\qz.css");
    write(css, "new css");
    write(LocalPath(BackupFolder(folder), "system\\qz.css"), "old css");
    write(JournalPath(folder), "swapping\nR system\\qz.css\n");

    EXPECT_EQ(RecoverUnfinishedSwap(folder), RecoveryResult::RolledBack);
    std::string bytes;
    EXPECT_TRUE(Os().ReadFileBytes(css, bytes));
    EXPECT_EQ(bytes, "old css");
    EXPECT_TRUE(Os().ReadFileBytes(LocalPath(StagingFolder(folder), "system\\qz.css"), bytes));
    EXPECT_EQ(bytes, "new css");
    EXPECT_FALSE(Os().PathExists(JournalPath(folder)));
}

TEST(UpdateJournal, OnTheRealFileSystemAReadOnlyOldFileLeftBehindIsClearedBeforeTheSwap) {
    TempFolder temp;
    const std::string folder = temp.Path();
    auto write = [](const std::string& path, const std::string& bytes) {
        Os().CreateFolders(ParentFolder(path));
        ASSERT_TRUE(Os().WriteFileBytes(path, bytes)) << path;
    };
    const std::string panel = LocalPath(folder, "Pelimor.exe");
    const std::string left = LocalPath(BackupFolder(folder), "Pelimor.exe");
    write(panel, "old panel");
    write(LocalPath(StagingFolder(folder), "Pelimor.exe"), "new panel");
    write(left, "a panel left by an older swap");
    std::filesystem::permissions(left, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);

    std::string reason;
    ASSERT_TRUE(SwapInStagedFiles(folder, {"Pelimor.exe"}, reason)) << reason;
    std::string bytes;
    EXPECT_TRUE(Os().ReadFileBytes(panel, bytes));
    EXPECT_EQ(bytes, "new panel");
    EXPECT_FALSE(Os().PathExists(left));
}
