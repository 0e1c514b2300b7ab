#include "metatrader_dialogs/folder_search.h"

#include "base/os.h"
#include "metatrader/data_folders.h"
#include "base/cp932_text.h"

namespace {
constexpr const char* INSTRUCTIONS =
    "メタトレーダーのフォルダを選択して下さい。\n"
    "下の再検索ボタンを押すとPC内の対象フォルダ一覧を検索します。\n"
    "<<検索には非常に時間がかかります。>>\n";
constexpr const char* SEARCHING =
    "メタトレーダーのフォルダを選択して下さい。\n"
    "リアルタイムで対象フォルダ一覧を検索中です。\n"
    "現在検索中のフォルダ:\n";
constexpr const char* CHOOSE_ONE = "対象フォルダを選択して下さい。";

// A folder counts as shown when an entry begins with it, ignoring the case of letters as the
// list control does: the entry is that folder or one below it, and the scan always finds a folder
// before the folders below it.
bool IsShown(const std::vector<std::string>& entries, const std::string& folder) {
    const std::string wanted = LowerAsciiLetters(folder);
    for (const std::string& entry : entries)
        if (LowerAsciiLetters(entry).starts_with(wanted)) return true;
    return false;
}
}  // namespace

FolderSearch::FolderSearch(CAppCore& core, DriveScanListener& listener)
    : core_(core), listener_(listener) {
    for (const std::string& folder : core_.m_foundTerminalFolders)
        if (!folder.empty()) entries_.push_back(folder);
}

std::string FolderSearch::StatusText() const {
    if (state_ != State::Scanning) return INSTRUCTIONS;
    return SEARCHING + scan_->CurrentFolder();
}

void FolderSearch::Search() {
    if (!CanSearch()) return;
    core_.m_foundTerminalFolders.clear();
    entries_.clear();
    std::vector<TerminalFolderEntry> dataFolders;
    if (FindDataFolders(dataFolders) && !dataFolders.empty()) {
        // Shown only: the found-folder list keeps drive-scan results alone.
        entries_ = std::move(dataFolders);
        state_ = State::Discovered;
        return;
    }
    scan_ = std::make_unique<DriveScanWorker>();
    state_ = State::Scanning;
    scan_->Start(Os().FixedDriveRoots(), listener_);
}

std::vector<std::string> FolderSearch::TakeFoundFolders() {
    std::vector<std::string> added;
    if (state_ != State::Scanning) return added;
    KeepScanResults();
    for (const std::string& folder : core_.m_foundTerminalFolders) {
        if (folder.empty() || IsShown(entries_, folder)) continue;
        entries_.push_back(folder);
        added.push_back(folder);
    }
    return added;
}

void FolderSearch::ScanEnded() {
    if (state_ != State::Scanning) return;
    KeepScanResults();
    scan_.reset();  // the scan has reported its end: this only joins its thread
    state_ = State::Idle;
}

std::optional<std::string> FolderSearch::Choose(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= entries_.size()) {
        Os().AskUser(CHOOSE_ONE, MessageKind::Ok);
        return std::nullopt;
    }
    return entries_[static_cast<size_t>(index)];
}

void FolderSearch::Close() {
    if (state_ == State::Scanning) {
        scan_->Stop(DriveScanWorker::STOP_ALLOWANCE_MILLISECONDS);
        KeepScanResults();
        state_ = State::Idle;
    }
    core_.SaveSettings();
}

void FolderSearch::KeepScanResults() { core_.m_foundTerminalFolders = scan_->FoundFolders(); }
