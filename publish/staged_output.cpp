#include "publish/staged_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

namespace {
namespace fs = std::filesystem;
constexpr std::string_view TEMPORARY_SUFFIX = ".publish-new.";

// A name of this run's own, so that another run writing the same folder (or the leftovers of
// a killed one) never shares a half-written file with this one.
fs::path StagingPath(const fs::path& target) {
    fs::path staging = target;
    staging += std::string(TEMPORARY_SUFFIX) + std::to_string(::getpid());
    return staging;
}

// Writes the whole file and flushes it to the disk, so that the rename that follows never
// exposes a file whose bytes are not there yet.
bool WriteWhole(const fs::path& path, const std::string& bytes, std::string& error) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) {
        error = std::strerror(errno);
        return false;
    }
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            error = std::strerror(errno);
            ::close(file);
            return false;
        }
        written += static_cast<size_t>(count);
    }
    const bool synced = ::fsync(file) == 0;
    if (!synced) error = std::strerror(errno);
    return ::close(file) == 0 && synced;
}

// Makes the renames themselves durable: the folder entries, not only the files' bytes.
void FlushFolders(const std::string& outFolder,
                  const std::vector<std::pair<std::string, std::string>>& files) {
    std::set<fs::path> folders;
    for (const auto& [relativePath, bytes] : files)
        folders.insert((fs::path(outFolder) / relativePath).parent_path());
    for (const fs::path& folder : folders) {
        // A file system that cannot flush a folder (some network ones) still holds the
        // renamed files; the flush only makes them outlast a power cut.
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) continue;
        ::fsync(descriptor);
        ::close(descriptor);
    }
}
}  // namespace

void StagedOutput::Add(std::string relativePath, std::string bytes) {
    files_.emplace_back(std::move(relativePath), std::move(bytes));
}

bool StagedOutput::Commit(const std::string& folder, std::string& error) const {
    std::vector<fs::path> staged;
    auto removeStaged = [&] {
        std::error_code ignored;
        for (const fs::path& path : staged) fs::remove(path, ignored);
    };
    for (const auto& [relativePath, bytes] : files_) {
        const fs::path target = fs::path(folder) / relativePath;
        std::error_code failure;
        fs::create_directories(target.parent_path(), failure);
        const fs::path temporary = StagingPath(target);
        std::string reason;
        if (failure || !WriteWhole(temporary, bytes, reason)) {
            error =
                target.string() + ": cannot be written: " + (failure ? failure.message() : reason);
            if (!failure) staged.push_back(temporary);
            removeStaged();
            return false;
        }
        staged.push_back(temporary);
    }
    for (size_t index = 0; index < files_.size(); ++index) {
        std::error_code failure;
        const fs::path target = fs::path(folder) / files_[index].first;
        fs::rename(staged[index], target, failure);
        if (failure) {
            error = target.string() + ": cannot be replaced: " + failure.message();
            staged.erase(staged.begin(), staged.begin() + static_cast<std::ptrdiff_t>(index));
            removeStaged();
            return false;
        }
    }
    FlushFolders(folder, files_);
    return true;
}
