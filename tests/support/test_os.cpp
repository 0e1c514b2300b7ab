#include "tests/support/test_os.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {
std::atomic<int> g_folderCounter{0};
}

TempFolder::TempFolder() {
    std::filesystem::path base = std::filesystem::temp_directory_path();
    std::filesystem::path folder;
    // Test programs run side by side: the name is random per process, and only a folder this
    // call created itself is taken (create_directory is false for one that already exists).
    static std::random_device randomness;
    do {
        folder = base / ("pelimor-test-" + std::to_string(randomness()) + "-" +
                         std::to_string(g_folderCounter++));
    } while (!std::filesystem::create_directory(folder));
    path_ = folder.string() + PathSeparator();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

FakeOs::FakeOs() : installed_(*this) {}

bool FakeOs::AcquireInstanceLock(const std::string&) {
    if (otherInstanceRunning) return false;
    lockHeld = true;
    return true;
}

void PrintTo(const Question& question, std::ostream* out) {
    *out << "{\"" << question.text << "\", kind " << static_cast<int>(question.kind) << "}";
}

MessageAnswer FakeOs::AskUser(const std::string& text, MessageKind kind) {
    questions.push_back({text, kind});
    return answer;
}

bool FakeOs::OpenWithShell(const std::string& target, const std::string& parameters) {
    shellOpened.push_back(target + "|" + parameters);
    return true;
}

bool FakeOs::CreateShortcut(const std::string& linkPath, const std::string& target,
                            const std::string& arguments, const std::string& description,
                            const std::string& workingFolder) {
    if (shortcutsFail) return false;
    WriteBytes(linkPath, target + "|" + arguments + "|" + description + "|" + workingFolder);
    return PathExists(linkPath);
}

void FakeOs::Trace(const std::string& line) {
    std::lock_guard<std::mutex> hold(traceLock_);
    traces_.push_back(line);
}

std::vector<std::string> FakeOs::Traces() const {
    std::lock_guard<std::mutex> hold(traceLock_);
    return traces_;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
