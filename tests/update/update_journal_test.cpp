#include "update/update_journal.h"

#include <gtest/gtest.h>

#include "app/os.h"
#include "tests/update/memory_update_os.h"
#include "update/interrupted_update.h"
#include "update/update_paths.h"

namespace {
using Files = MemoryUpdateOs::Files;

const std::string kFolder = std::string("program") + PathSeparator();
// Replaced: the panel and the running updater itself. Added: a file in a new folder. Kept: the
// manual, and the user's settings, which no release may touch.
const std::vector<std::string> kSwapped = {"Pelimor.exe", "system\\pelimorupdater.exe", "extra\\new.dat"};

std::string At(const std::string& manifestPath) { return LocalPath(kFolder, manifestPath); }
std::string Staged(const std::string& manifestPath) { return LocalPath(StagingFolder(kFolder), manifestPath); }

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
    const std::string work = kFolder + "system" + PathSeparator() + "update.";
    Files view;
    for (const auto& [path, bytes] : files)
        if (path.rfind(work, 0) != 0) view[path] = bytes;
    return view;
}

bool HasWorkFilesBesidesStagingAndLog(const Files& files) {
    for (const auto& [path, bytes] : files)
        if (ProgramView({{path, bytes}}).empty() && path.rfind(StagingFolder(kFolder), 0) != 0 &&
            path != UpdateLogPath(kFolder))
            return true;
    return false;
}

Files SwapKilledAfter(int changes) {
    MemoryUpdateOs os(ReadyToSwap(), changes);
    std::string reason;
    SwapInStagedFiles(kFolder, kSwapped, reason);
    return os.files;
}

Files Recovered(const Files& files, int changes = INT_MAX) {
    MemoryUpdateOs os(files, changes);
    RecoverUnfinishedSwap(kFolder);
    return os.files;
}

int ChangesOfAWholeSwap() {
    MemoryUpdateOs os(ReadyToSwap());
    std::string reason;
    EXPECT_TRUE(SwapInStagedFiles(kFolder, kSwapped, reason)) << reason;
    return os.changes;
}
}  // namespace

TEST(UpdateJournal, AWholeSwapInstallsTheNewProgramAndLeavesNoWorkFiles) {
    MemoryUpdateOs os(ReadyToSwap());
    std::string reason;
    ASSERT_TRUE(SwapInStagedFiles(kFolder, kSwapped, reason)) << reason;
    EXPECT_EQ(os.files, NewProgram());
}

TEST(UpdateJournal, AKillAfterAnyStepIsRecoveredToExactlyTheOldOrTheNewProgram) {
    const int total = ChangesOfAWholeSwap();
    ASSERT_GT(total, 6);
    bool sawOld = false, sawNew = false;
    for (int killedAfter = 0; killedAfter <= total; ++killedAfter) {
        const Files recovered = Recovered(SwapKilledAfter(killedAfter));
        const Files view = ProgramView(recovered);
        const bool isOld = view == OldProgram(), isNew = view == NewProgram();
        EXPECT_TRUE(isOld || isNew) << "killed after " << killedAfter << " changes";
        EXPECT_FALSE(HasWorkFilesBesidesStagingAndLog(recovered)) << "killed after " << killedAfter << " changes";
        sawOld |= isOld;
        sawNew |= isNew;
        // After a roll-back the release still waits in update.new: the next updater completes it.
        if (isOld) {
            MemoryUpdateOs again(recovered);
            std::string reason;
            EXPECT_TRUE(SwapInStagedFiles(kFolder, kSwapped, reason)) << reason;
            EXPECT_EQ(again.files, NewProgram()) << "killed after " << killedAfter << " changes";
        }
    }
    EXPECT_TRUE(sawOld);
    EXPECT_TRUE(sawNew);
}

TEST(UpdateJournal, ARecoveryKilledInTurnIsCompletedByTheNextStart) {
    const int total = ChangesOfAWholeSwap();
    for (int killedAfter = 0; killedAfter <= total; ++killedAfter) {
        const Files left = SwapKilledAfter(killedAfter);
        for (int recoveryKilledAfter = 0; recoveryKilledAfter < total; ++recoveryKilledAfter) {
            const Files view = ProgramView(Recovered(Recovered(left, recoveryKilledAfter)));
            EXPECT_TRUE(view == OldProgram() || view == NewProgram())
                << "swap killed after " << killedAfter << ", recovery after " << recoveryKilledAfter;
        }
    }
}

TEST(UpdateJournal, AMoveThatFailsRollsTheSwapBack) {
    for (const std::string& refused : {At("Pelimor.exe"), Staged("extra\\new.dat")}) {
        MemoryUpdateOs os(ReadyToSwap());
        os.refusedPath = refused;
        std::string reason;
        EXPECT_FALSE(SwapInStagedFiles(kFolder, kSwapped, reason)) << refused;
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(ProgramView(os.files), OldProgram()) << refused;
        EXPECT_FALSE(os.PathExists(JournalPath(kFolder))) << refused;
    }
}

TEST(UpdateJournal, WithoutAJournalRecoveryOnlyDropsOldFilesLeftBehind) {
    Files files = NewProgram();
    files[LocalPath(BackupFolder(kFolder), "system\\pelimorupdater.exe")] = "old updater, was running";
    files[Staged("Pelimor.exe")] = "a download for the next try";
    MemoryUpdateOs os(files);
    EXPECT_EQ(RecoverUnfinishedSwap(kFolder), RecoveryResult::NothingToDo);
    Files expected = NewProgram();
    expected[Staged("Pelimor.exe")] = "a download for the next try";
    EXPECT_EQ(os.files, expected);
}

TEST(UpdateJournal, AJournalThatNamesAPathOutsideTheProgramIsNotFollowed) {
    Files files = OldProgram();
    files[JournalPath(kFolder)] = "swapping\nR ..\\..\\Windows\\evil.dll\n";
    MemoryUpdateOs os(files);
    EXPECT_EQ(RecoverUnfinishedSwap(kFolder), RecoveryResult::Failed);
    EXPECT_EQ(os.files, files);
}

TEST(UpdateJournal, ThePanelEndsAnInterruptedSwapUnlessAnUpdaterIsAtWork) {
    const Files left = SwapKilledAfter(4);
    ASSERT_NE(ProgramView(left), OldProgram());
    {
        MemoryUpdateOs os(left);
        os.otherUpdaterRunning = true;
        EndInterruptedUpdate(kFolder);
        EXPECT_EQ(os.files, left);
    }
    MemoryUpdateOs os(left);
    EndInterruptedUpdate(kFolder);
    EXPECT_EQ(ProgramView(os.files), OldProgram());
    EXPECT_NE(os.files[UpdateLogPath(kFolder)].find("rolled back"), std::string::npos);
    EXPECT_FALSE(os.lockHeld);
}
