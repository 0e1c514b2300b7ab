// The OS seam on POSIX systems (the native build used for development and unit tests).
#include "base/os.h"

#include <cstdio>
#include <dirent.h>
#include <iconv.h>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "base/cancel_token.h"
#include "base/trace_file_switch.h"

namespace {
int g_instanceLockFile = -1;
int g_updateLockFile = -1;

enum class LockResult { Taken, HeldElsewhere, Unavailable };

// An exclusive lock on the file "name.lock" in the temporary folder, kept open while held.
LockResult TakeLockFile(const std::string& name, int& held) {
    if (held >= 0) return LockResult::Taken;
    const char* folder = std::getenv("TMPDIR");
    std::string path = std::string(folder && *folder ? folder : "/tmp") + "/" + name + ".lock";
    int file = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) return LockResult::Unavailable;
    if (flock(file, LOCK_EX | LOCK_NB) != 0) {
        close(file);
        return LockResult::HeldElsewhere;
    }
    held = file;
    return LockResult::Taken;
}

void DropLockFile(int& held) {
    if (held < 0) return;
    close(held);
    held = -1;
}
}  // namespace

char PathSeparator() { return '/'; }

void OsSeam::Trace(const std::string& line) {
    std::fprintf(stderr, "Pelimor: %s\n", line.c_str());
    WriteToTraceFile(Now(), line);
}

int64_t OsSeam::Now() { return static_cast<int64_t>(std::time(nullptr)); }

// A worker's pause ends early when its work is cancelled.
void OsSeam::SleepMilliseconds(int milliseconds) { SleepUnlessCancelled(milliseconds); }

std::string OsSeam::ProgramFolder() {
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return "./";
    std::string path(buffer, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1);
}

void OsSeam::CreateFolder(const std::string& path) { mkdir(path.c_str(), 0777); }

bool OsSeam::PathExists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

bool OsSeam::MoveFileOver(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool OsSeam::RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

// No lock to be had: the panel does not refuse to run.
bool OsSeam::AcquireInstanceLock(const std::string& name) {
    return TakeLockFile(name, g_instanceLockFile) != LockResult::HeldElsewhere;
}

void OsSeam::ReleaseInstanceLock() { DropLockFile(g_instanceLockFile); }

// An update goes ahead only under the lock.
bool OsSeam::AcquireUpdateLock() {
    return TakeLockFile("pelimor-updater", g_updateLockFile) == LockResult::Taken;
}

void OsSeam::ReleaseUpdateLock() { DropLockFile(g_updateLockFile); }

MessageAnswer OsSeam::AskUser(const std::string& text, MessageKind kind) {
    // No desktop here: print the question and take the safe answer.
    std::fprintf(stderr, "Pelimor: %s\n", text.c_str());
    return kind == MessageKind::YesNoQuestion ? MessageAnswer::No
           : kind == MessageKind::OkCancel    ? MessageAnswer::Cancel
                                              : MessageAnswer::Ok;
}

bool OsSeam::OpenWithShell(const std::string& target, const std::string& parameters) {
    (void)target;
    (void)parameters;
    return false;
}

std::string OsSeam::RoamingAppDataFolder() {
    // The closest POSIX counterpart: the per-user configuration folder.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return config;
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/.config" : std::string();
}

namespace {
std::vector<std::string> SubfoldersOf(const std::string& folder, bool withLinks) {
    std::vector<std::string> subfolders;
    DIR* listing = opendir(folder.c_str());
    if (!listing) return subfolders;
    const std::string prefix = !folder.empty() && folder.back() == '/' ? folder : folder + "/";
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat status {};
        // lstat: a symbolic link to a folder is not a subfolder, unless links are asked for.
        const std::string path = prefix + name;
        const int found = withLinks ? stat(path.c_str(), &status) : lstat(path.c_str(), &status);
        if (found == 0 && S_ISDIR(status.st_mode)) subfolders.push_back(path);
    }
    closedir(listing);
    return subfolders;
}
}  // namespace

std::vector<std::string> OsSeam::ListSubfolders(const std::string& folder) {
    return SubfoldersOf(folder, false);
}

std::vector<std::string> OsSeam::ListSubfoldersWithLinks(const std::string& folder) {
    return SubfoldersOf(folder, true);
}

namespace {
// One character (one UTF-16 unit, or a surrogate pair) in CP932; "?" when it has none.
std::string OneCharacterToCp932(iconv_t converter, const char16_t* units, size_t count) {
    char input[4];
    for (size_t at = 0; at < count; ++at) {
        input[2 * at] = static_cast<char>(units[at] & 0xFF);
        input[2 * at + 1] = static_cast<char>(units[at] >> 8);
    }
    char output[8];
    char* in = input;
    size_t inLeft = 2 * count;
    char* out = output;
    size_t outLeft = sizeof output;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return "?";
    return std::string(output, static_cast<size_t>(out - output));
}
}  // namespace

std::string OsSeam::Utf16ToAnsi(const std::u16string& text) {
    iconv_t converter = iconv_open("CP932", "UTF-16LE");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(text.size(), '?');
    std::string converted;
    for (size_t at = 0; at < text.size();) {
        const bool pair = at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF &&
                          text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
        const size_t count = pair ? 2 : 1;
        converted += OneCharacterToCp932(converter, text.data() + at, count);
        at += count;
    }
    iconv_close(converter);
    return converted;
}

std::vector<std::string> OsSeam::FixedDriveRoots() { return {"/"}; }

void OsSeam::ExitProcessNow(int exitCode) { std::_Exit(exitCode); }

// No desktop shell here: there is no Startup folder or desktop to put shortcuts into.
std::string OsSeam::StartupFolder() { return ""; }
std::string OsSeam::DesktopFolder() { return ""; }

bool OsSeam::CreateShortcut(const std::string&, const std::string&, const std::string&,
                            const std::string&, const std::string&) {
    return false;
}
