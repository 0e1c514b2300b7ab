#include "update/run_update.h"

#include <vector>

#include "base/byte_text.h"
#include "base/cancel_token.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"
#include "net/fetch_file_bytes.h"
#include "update/manifest.h"
#include "update/update_journal.h"
#include "update/update_log.h"
#include "base/os.h"
#include "base/server_files.h"
#include "update/update_paths.h"
#include "update/update_plan.h"

namespace {
const char KEPT_AS_IT_WAS[] = "\nプログラムは元のままです。";
const char NO_NETWORK[] =
    "更新データをダウンロードできませんでした。\nネットワークの接続を確かめて、後でもう一度お試しく"
    "ださい。";
const char BAD_SIGNATURE[] = "更新データの署名が正しくないため、更新を中止しました。";
const char BAD_MANIFEST[] = "更新データの内容が正しくないため、更新を中止しました。";
const char BAD_FILE[] = "ダウンロードしたファイルが壊れているため、更新を中止しました。";
const char CANNOT_WRITE[] =
    "ファイルを書き込めないため、更新を中止しました。\nディスクの空き容量と書き込みの権限を確かめて"
    "ください。";
const char CANCELLED[] = "Pelimorが終了しなかったため、更新を中止しました。";
const char STOPPED[] = "更新を中止しました。";
const char CANNOT_RECOVER[] =
    "前回中断された更新を元に戻せませんでした。\nプログラムのフォルダーに書き込めるか確かめてくださ"
    "い。";

const char CHECKING[] = "更新情報を確認しています...";
const char DOWNLOADING[] = "ファイルをダウンロードしています (%d/%d)...";
const char WAITING[] = "Pelimorの終了を待っています...";
const char REPLACING[] = "ファイルを置き換えています...";
const char DONE[] = "更新が完了しました。";

constexpr size_t SIGNATURE_BYTES = 64;

class Update {
public:
    Update(const std::string& programFolder, const UpdateSource& source, UpdateProgress& progress)
        : folder_(programFolder), source_(source), progress_(progress) {}

    UpdateResult Run() {
        if (!Recover() || !FetchManifest() || !StageFiles() || !WaitForProgram() || !GoOn() ||
            !Swap())
            return Failure();
        progress_.ShowStatus(DONE, 100);
        Log("updated to release " + std::to_string(manifest_.version));
        return {true, ""};
    }

private:
    bool Fail(const char* message, const std::string& logText) {
        message_ = message;
        Log("failed: " + logText);
        return false;
    }

    UpdateResult Failure() const {
        // A recovery that failed may have left the folder half swapped: saying it is unchanged
        // would be a lie.
        return {false, message_ + (message_ == CANNOT_RECOVER ? "" : KEPT_AS_IT_WAS)};
    }

    void Log(const std::string& text) const { LogUpdate(folder_, text); }

    bool Recover() {
        switch (RecoverUnfinishedSwap(folder_)) {
        case RecoveryResult::Failed: return Fail(CANNOT_RECOVER, "cannot end the previous swap");
        case RecoveryResult::Finished: Log("finished the previous swap"); break;
        case RecoveryResult::RolledBack: Log("rolled back the previous swap"); break;
        case RecoveryResult::NothingToDo: break;
        }
        return true;
    }

    // False, with the message, once the user has stopped the update (its thread's work was
    // cancelled). Checked before the swap, which is never stopped half way.
    bool GoOn() { return !ThisThreadCancelled() || Fail(STOPPED, "stopped by the user"); }

    bool Fetch(const std::string& path, std::string& bytes) {
        if (FetchFileBytes(source_.baseUrl + path, bytes)) return true;
        return GoOn() && Fail(NO_NETWORK, "cannot download " + path);
    }

    std::string ReleasePath(const std::string& name) const {
        return FormatText("prims/update/%d/", release_) + name;
    }

    bool FetchManifest() {
        progress_.ShowStatus(CHECKING, 0);
        std::string version, text, signature, reason;
        if (!Fetch(RELEASE_NUMBER_FILE, version)) return false;
        release_ = ReadDecimal(version);
        if (release_ <= 0) return Fail(BAD_MANIFEST, "version.dat holds no release number");
        Log("release " + std::to_string(release_) + " offered");
        if (!Fetch(ReleasePath("manifest.txt"), text) ||
            !Fetch(ReleasePath("manifest.sig"), signature))
            return false;
        if (signature.size() != SIGNATURE_BYTES ||
            !Os().VerifyP256Signature(text, signature, source_.publicKey))
            return Fail(BAD_SIGNATURE, "the manifest's signature does not match the built-in key");
        if (!ParseManifest(text, manifest_, reason)) return Fail(BAD_MANIFEST, reason);
        if (manifest_.version != release_)
            return Fail(BAD_MANIFEST,
                        "the manifest is for release " + std::to_string(manifest_.version));
        if (manifest_.version < source_.ownVersion)
            return Fail(BAD_MANIFEST,
                        "release " + std::to_string(manifest_.version) + " is older than this one");
        return true;
    }

    bool StageFiles() {
        std::vector<ManifestEntry> changed = FilesToReplace(folder_, manifest_);
        Log(std::to_string(changed.size()) + " of " + std::to_string(manifest_.entries.size()) +
            " files differ");
        const std::string staging = StagingFolder(folder_);
        int done = 0;
        for (const ManifestEntry& entry : changed) {
            progress_.ShowStatus(
                FormatText(DOWNLOADING, done + 1, static_cast<int>(changed.size())),
                10 + 70 * done / static_cast<int>(changed.size()));
            if (!StageFile(staging, entry)) return false;
            staged_.push_back(entry);
            ++done;
        }
        return true;
    }

    bool StageFile(const std::string& staging, const ManifestEntry& entry) {
        const std::string staged = LocalPath(staging, entry.path);
        // A copy left by an interrupted update is as good as a fresh one when it matches.
        if (FileMatches(staged, entry)) return true;
        std::string url = entry.path;
        ReplaceAllMbcs(url, "\\", "/");
        std::string bytes;
        if (!Fetch(ReleasePath("files/") + url, bytes)) return false;
        if (!BytesMatch(bytes, entry))
            return Fail(BAD_FILE, entry.path + " does not match its size and SHA-256");
        Os().CreateFolders(ParentFolder(staged));
        if (!Os().WriteFileBytes(staged, bytes))
            return Fail(CANNOT_WRITE, "cannot write " + staged);
        return true;
    }

    bool WaitForProgram() {
        progress_.ShowStatus(WAITING, 85);
        return progress_.WaitForProgramExit() ||
               (GoOn() && Fail(CANCELLED, "Pelimor.exe did not end"));
    }

    // The staged files waited while the panel ended, in a folder anyone who can write the
    // program folder can change: each is checked again right before the swap moves it in.
    bool StillAsChecked() {
        const std::string staging = StagingFolder(folder_);
        for (const ManifestEntry& entry : staged_)
            if (!FileMatches(LocalPath(staging, entry.path), entry))
                return Fail(BAD_FILE, entry.path + " changed after it was checked");
        return true;
    }

    bool Swap() {
        progress_.ShowStatus(REPLACING, 90);
        if (!StillAsChecked()) return false;
        std::vector<std::string> paths;
        for (const ManifestEntry& entry : staged_) paths.push_back(entry.path);
        std::string reason;
        if (!SwapInStagedFiles(folder_, paths, reason)) return Fail(CANNOT_WRITE, reason);
        return true;
    }

    const std::string& folder_;
    const UpdateSource& source_;
    UpdateProgress& progress_;
    int32_t release_ = 0;
    Manifest manifest_;
    std::vector<ManifestEntry> staged_;  // fetched and checked, waiting in update.new
    std::string message_;
};
}  // namespace

UpdateResult RunUpdate(const std::string& programFolder, const UpdateSource& source,
                       UpdateProgress& progress) {
    return Update(programFolder, source, progress).Run();
}
