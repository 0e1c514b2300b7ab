// Test doubles for the OS seam: a settable clock, a temporary program folder and recorded
// questions to the user.
#pragma once

#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "base/os.h"

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Ends with the path separator.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// One message box as the user saw it: its text and its kind (buttons and icon).
struct Question {
    std::string text;
    MessageKind kind;
    bool operator==(const Question&) const = default;
};
void PrintTo(const Question& question, std::ostream* out);

// The platform seam with a settable clock, the program folder in a TempFolder, no real sleeping
// and recorded questions that get prepared answers.
class FakeOs : public OsSeam {
public:
    FakeOs();

    int64_t Now() override { return now; }
    void SleepMilliseconds(int milliseconds) override { sleptMilliseconds += milliseconds; }
    std::string ProgramFolder() override { return folder.Path(); }
    bool AcquireInstanceLock(const std::string& name) override;
    void ReleaseInstanceLock() override { lockHeld = false; }
    MessageAnswer AskUser(const std::string& text, MessageKind kind) override;
    bool OpenWithShell(const std::string& target, const std::string& parameters) override;
    std::string RoamingAppDataFolder() override { return appDataFolder; }
    // Records the exit instead of ending the test program.
    void ExitProcessNow(int exitCode) override { exitCodes.push_back(exitCode); }
    std::string StartupFolder() override { return startupFolder; }
    std::string DesktopFolder() override { return desktopFolder; }
    // Writes "target|arguments|description|workingFolder" as the link file, unless
    // shortcutsFail is set.
    bool CreateShortcut(const std::string& linkPath, const std::string& target,
                        const std::string& arguments, const std::string& description,
                        const std::string& workingFolder) override;
    // Records the line (download threads trace too).
    void Trace(const std::string& line) override;
    // The lines traced so far, in order.
    std::vector<std::string> Traces() const;

    TempFolder folder;
    int64_t now = 1700000000;
    int64_t sleptMilliseconds = 0;
    bool otherInstanceRunning = false;
    bool lockHeld = false;
    std::vector<Question> questions;
    MessageAnswer answer = MessageAnswer::Ok;
    std::vector<std::string> shellOpened;  // "target|parameters"
    std::string appDataFolder;             // "" = the system has none
    std::vector<int> exitCodes;            // every ExitProcessNow, in order
    std::string startupFolder;             // "" = the system has none
    std::string desktopFolder;
    bool shortcutsFail = false;

private:
    mutable std::mutex traceLock_;
    std::vector<std::string> traces_;
    ScopedOs installed_;
};

// Whole-file helpers for assertions.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
