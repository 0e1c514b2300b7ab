#include "update/run_update.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <map>

#include "base/cancel_token.h"
#include "base/os.h"
#include "tests/support/loopback_server.h"
#include "tests/support/test_os.h"
#include "update/update_paths.h"

namespace {
const std::string KEY(64, 'K');
const std::string GOOD_SIGNATURE(64, 'S');

// The platform's files and digests, with a signature check that accepts exactly one signature
// by KEY: the flow is tested here, the real check against vectors in update_crypto_test.
class StubSignatureOs : public FakeOs {
public:
    bool VerifyP256Signature(std::string_view, std::string_view signature,
                             std::string_view key) override {
        return signature == GOOD_SIGNATURE && key == KEY;
    }
};

class RecordedProgress : public UpdateProgress {
public:
    void ShowStatus(const std::string& text, int) override {
        statuses.push_back(text);
        if (!stopAtStatus.empty() && text.rfind(stopAtStatus, 0) == 0) stop.Cancel();
    }
    bool WaitForProgramExit() override {
        ++waits;
        if (whileWaiting) whileWaiting();
        if (stopWhileWaiting) stop.Cancel();
        return programEnds;
    }
    std::vector<std::string> statuses;
    std::function<void()> whileWaiting;  // what happens while the panel ends
    int waits = 0;
    bool programEnds = true;
    // The user's stop, as the updater's window gives it: the update's thread is cancelled.
    CancelToken stop;
    std::string stopAtStatus;  // stops when a status starting with this is shown
    bool stopWhileWaiting = false;
};

std::string Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::string NEW_PANEL = std::string("new panel\0with a NUL", 20);

class RunUpdateTest : public ::testing::Test {
protected:
    RunUpdateTest() {
        Write(At("Pelimor.exe"), "old panel");
        Write(At("manual.pdf"), "manual");
        Write(At("setting\\iasetting.dat"), "the user's settings");
    }

    std::string At(const std::string& manifestPath) const {
        return LocalPath(os.folder.Path(), manifestPath);
    }

    std::string Manifest(int version, const std::string& panelBytes = NEW_PANEL) {
        return std::to_string(version) + "\n" + os.Sha256Hex(panelBytes) + " " +
               std::to_string(panelBytes.size()) + " Pelimor.exe\n" + os.Sha256Hex("manual") +
               " 6 manual.pdf\n";
    }

    UpdateResult Run(LoopbackServer& server, int ownVersion = 3100) {
        UpdateSource source{"http://" + server.HostAndPort() + "/sv_pelimor/websys/", KEY,
                            ownVersion};
        ScopedThreadCancelToken stoppable(progress.stop);
        return RunUpdate(os.folder.Path(), source, progress);
    }

    std::map<std::string, std::string> Program() {
        return {{"Pelimor.exe", Read(At("Pelimor.exe"))},
                {"manual.pdf", Read(At("manual.pdf"))},
                {"setting", Read(At("setting\\iasetting.dat"))}};
    }

    StubSignatureOs os;
    RecordedProgress progress;
};
}  // namespace

TEST_F(RunUpdateTest, ASignedReleaseReplacesOnlyTheChangedFilesAfterThePanelEnded) {
    LoopbackServer server(
        {{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}, {Ok(NEW_PANEL)}});
    UpdateResult result = Run(server);
    ASSERT_TRUE(result.updated) << result.userMessage;
    EXPECT_EQ(Read(At("Pelimor.exe")), NEW_PANEL);
    EXPECT_EQ(Read(At("manual.pdf")), "manual");
    EXPECT_EQ(Read(At("setting\\iasetting.dat")), "the user's settings");
    EXPECT_EQ(progress.waits, 1);
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(
        requests[1].rfind("GET /sv_pelimor/websys/prims/update/3101/manifest.txt HTTP/1.1\r\n", 0),
        0u);
    EXPECT_EQ(requests[3].rfind(
                  "GET /sv_pelimor/websys/prims/update/3101/files/Pelimor.exe HTTP/1.1\r\n", 0),
              0u);
    EXPECT_FALSE(std::filesystem::exists(StagingFolder(os.folder.Path())));
    EXPECT_FALSE(std::filesystem::exists(JournalPath(os.folder.Path())));
    EXPECT_NE(Read(UpdateLogPath(os.folder.Path())).find("updated to release 3101"),
              std::string::npos);
}

TEST_F(RunUpdateTest, EveryRefusalLeavesTheProgramAsItWasWithOneMessage) {
    const std::string kept = "\nプログラムは元のままです。";
    const struct {
        const char* what;
        std::vector<ScriptedReply> replies;
        const char* message;
        int ownVersion;
    } cases[] = {
        {"no server", {}, "更新データをダウンロードできませんでした。", 3100},
        {"other key",
         {{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(std::string(64, 'X'))}},
         "更新データの署名が正しくないため",
         3100},
        {"version differs",
         {{Ok("3102\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}},
         "更新データの内容が正しくないため",
         3100},
        {"older release",
         {{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}},
         "更新データの内容が正しくないため",
         3102},
        {"path with ..",
         {{Ok("3101\n")},
          {Ok("3101\n" + std::string(64, 'a') + " 1 ..\\evil.exe\n")},
          {Ok(GOOD_SIGNATURE)}},
         "更新データの内容が正しくないため",
         3100},
        {"bytes differ from the digest",
         {{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}, {Ok("new panel, tampered!")}},
         "ダウンロードしたファイルが壊れているため",
         3100},
        {"file missing",
         {{Ok("3101\n")},
          {Ok(Manifest(3101))},
          {Ok(GOOD_SIGNATURE)},
          {"HTTP/1.0 404 Not Found\r\n\r\n"}},
         "更新データをダウンロードできませんでした。",
         3100},
    };
    const auto before = Program();
    for (const auto& c : cases) {
        LoopbackServer server(c.replies);
        UpdateResult result = Run(server, c.ownVersion);
        EXPECT_FALSE(result.updated) << c.what;
        EXPECT_EQ(result.userMessage.rfind(c.message, 0), 0u)
            << c.what << ": " << result.userMessage;
        EXPECT_EQ(result.userMessage.substr(result.userMessage.size() - kept.size()), kept)
            << c.what;
        EXPECT_EQ(Program(), before) << c.what;
        EXPECT_EQ(progress.waits, 0) << c.what;
    }
}

TEST_F(RunUpdateTest, APanelThatDoesNotEndStopsTheUpdateBeforeAnyFileIsReplaced) {
    progress.programEnds = false;
    const auto before = Program();
    LoopbackServer server(
        {{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}, {Ok(NEW_PANEL)}});
    UpdateResult result = Run(server);
    EXPECT_FALSE(result.updated);
    EXPECT_EQ(result.userMessage.rfind("Pelimorが終了しなかったため", 0), 0u) << result.userMessage;
    EXPECT_EQ(Program(), before);
}

TEST_F(RunUpdateTest, AStagedFileChangedWhileThePanelEndsIsNotInstalled) {
    const auto before = Program();
    progress.whileWaiting = [this] {
        Write(LocalPath(StagingFolder(os.folder.Path()), "Pelimor.exe"), "swapped in meanwhile");
    };
    LoopbackServer server(
        {{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}, {Ok(NEW_PANEL)}});
    UpdateResult result = Run(server);
    EXPECT_FALSE(result.updated);
    EXPECT_EQ(result.userMessage.rfind("ダウンロードしたファイルが壊れているため", 0), 0u)
        << result.userMessage;
    EXPECT_EQ(Program(), before);
}

TEST_F(RunUpdateTest, AFileStagedByAnInterruptedUpdateIsNotFetchedAgain) {
    Write(LocalPath(StagingFolder(os.folder.Path()), "Pelimor.exe"), NEW_PANEL);
    LoopbackServer server({{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}});
    UpdateResult result = Run(server);
    ASSERT_TRUE(result.updated) << result.userMessage;
    EXPECT_EQ(Read(At("Pelimor.exe")), NEW_PANEL);
    EXPECT_EQ(server.Requests().size(), 3u);
}

TEST_F(RunUpdateTest, AnUpdateStoppedDuringADownloadEndsThereWithTheProgramAsItWas) {
    const auto before = Program();
    {
        // Stopped while the panel's file is downloading from a server that has gone silent.
        progress.stopAtStatus = "ファイルをダウンロードしています";
        LoopbackServer server({{Ok("3101\n")},
                               {Ok(Manifest(3101))},
                               {Ok(GOOD_SIGNATURE)},
                               {"HTTP/1.0 200 OK\r\n", ScriptedReply::Ending::Stall}});
        UpdateResult result = Run(server);
        EXPECT_FALSE(result.updated);
        EXPECT_EQ(result.userMessage, "更新を中止しました。\nプログラムは元のままです。");
        EXPECT_EQ(progress.waits, 0);
        EXPECT_EQ(Program(), before);
    }
}

TEST_F(RunUpdateTest, AnUpdateStoppedWhileWaitingForThePanelNeverBeginsTheSwap) {
    const auto before = Program();
    {
        // Stopped while waiting for the panel, which then ended: the swap does not begin.
        progress.stopWhileWaiting = true;
        LoopbackServer server(
            {{Ok("3101\n")}, {Ok(Manifest(3101))}, {Ok(GOOD_SIGNATURE)}, {Ok(NEW_PANEL)}});
        UpdateResult result = Run(server);
        EXPECT_FALSE(result.updated);
        EXPECT_EQ(result.userMessage, "更新を中止しました。\nプログラムは元のままです。");
        EXPECT_EQ(Program(), before);
        EXPECT_FALSE(std::filesystem::exists(JournalPath(os.folder.Path())));
    }
}
