#include "publish/output_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/os.h"

namespace {
constexpr int PAUSE_MILLISECONDS = 100;
}  // namespace

OutputFolderLock::~OutputFolderLock() {
    // Closing the file releases its lock.
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool OutputFolderLock::Take(const std::string& folder, int waitSeconds, std::string& error) {
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    const std::string path = (std::filesystem::path(folder) / OUTPUT_LOCK_FILE).string();
    descriptor_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor_ < 0) {
        error = path + ": cannot be opened: " + std::strerror(errno);
        return false;
    }
    const long attempts = long{waitSeconds} * 1000 / PAUSE_MILLISECONDS;
    for (long attempt = 0;; ++attempt) {
        if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error = path + ": cannot be locked: " + std::strerror(errno);
            return false;
        }
        if (attempt >= attempts) {
            error = folder +
                    ": another pelimor-publish run is writing this folder; gave up after " +
                    std::to_string(waitSeconds) + " s";
            return false;
        }
        Os().SleepMilliseconds(PAUSE_MILLISECONDS);
    }
}
