// The OS seam on POSIX systems (the native build used for development and unit tests).
#include "app/os.h"

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {
int g_instanceLockFile = -1;
}

char PathSeparator() { return '/'; }

int64_t OsSeam::Now() { return static_cast<int64_t>(std::time(nullptr)); }

void OsSeam::SleepMilliseconds(int milliseconds) {
    if (milliseconds > 0) usleep(static_cast<useconds_t>(milliseconds) * 1000);
}

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

bool OsSeam::AcquireInstanceLock(const std::string& name) {
    if (g_instanceLockFile >= 0) return true;
    const char* folder = std::getenv("TMPDIR");
    std::string path = std::string(folder && *folder ? folder : "/tmp") + "/" + name + ".lock";
    int file = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) return true;  // no lock to be had: do not refuse to run
    if (flock(file, LOCK_EX | LOCK_NB) != 0) {
        close(file);
        return false;
    }
    g_instanceLockFile = file;
    return true;
}

void OsSeam::ReleaseInstanceLock() {
    if (g_instanceLockFile < 0) return;
    close(g_instanceLockFile);
    g_instanceLockFile = -1;
}

MessageAnswer OsSeam::AskUser(const std::string& text, MessageButtons buttons) {
    // No desktop here: print the question and take the safe answer.
    std::fprintf(stderr, "Pelimor: %s\n", text.c_str());
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok
         : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                            : MessageAnswer::Cancel;
}

bool OsSeam::OpenWithShell(const std::string& target, const std::string& parameters) {
    (void)target;
    (void)parameters;
    return false;
}
