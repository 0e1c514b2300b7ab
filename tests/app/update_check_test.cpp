#include "app/update_check.h"

#include <gtest/gtest.h>

#include "store/local_files.h"
#include "tests/net/download_test_support.h"
#include "tests/support/loopback_server.h"

namespace {
const std::string NOT_FOUND = "HTTP/1.0 404 Not Found\r\n\r\n";
const std::string QUESTION =
    "最新バージョンのプログラムが利用可能です。\nアップデートを行いますか？";
const std::string UP_TO_DATE = "現在プログラムは最新です。";

std::string Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
}

void LeaveNothing() {}

// Notes what was on disk when the process was told to end.
class ExitRecordingOs : public FakeOs {
public:
    void ExitProcessNow(int exitCode) override {
        FakeOs::ExitProcessNow(exitCode);
        settingsAtExit = ReadBytes(SettingsFilePath());
        shellOpenedBeforeExit = shellOpened.size();
    }

    std::string settingsAtExit;
    size_t shellOpenedBeforeExit = 0;
};

class UpdateCheckTest : public ::testing::Test {
protected:
    ExitRecordingOs os;
    CAppCore core;
};

TEST_F(UpdateCheckTest, OnlyANumberAbove3100IsNewerWithOrWithoutTheHeader) {
    const struct {
        std::vector<ScriptedReply> replies;
        bool newer;
    } cases[] = {
        {{{Ok("3101\r\n")}}, true},
        {{{Ok("3100")}}, false},
        {{{Ok("")}}, false},
        {{{Ok("v3200")}}, false},
        // Through the system download the body comes alone.
        {{{NOT_FOUND}, {NOT_FOUND}, {"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n3101"}}, true},
        {{{NOT_FOUND}, {NOT_FOUND}, {"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n3100"}}, false},
        // A failed download counts as up to date.
        {{{NOT_FOUND}, {NOT_FOUND}, {NOT_FOUND}}, false},
    };
    for (const auto& c : cases) {
        LoopbackServer server(c.replies);
        ScopedBaseUrl base(server.HostAndPort());
        EXPECT_EQ(CheckVersion(), c.newer) << c.replies.back().bytes;
        const std::string requestLine = "GET http://" + server.HostAndPort() +
                                        "/sv_pelimor/websys/prims/version.dat HTTP/1.0\r\n";
        EXPECT_EQ(server.Requests()[0].substr(0, requestLine.size()), requestLine);
    }
}

TEST_F(UpdateCheckTest, UpToDateProgramIsReportedOnlyWhenAskedFor) {
    {
        LoopbackServer server({{Ok("3100")}, {Ok("3100")}});
        ScopedBaseUrl base(server.HostAndPort());
        AskAboutUpdate(core, {CheckVersion(), false}, LeaveNothing);
        EXPECT_TRUE(os.questions.empty());
        AskAboutUpdate(core, {CheckVersion(), true}, LeaveNothing);
        EXPECT_EQ(os.questions, (std::vector<Question>{{UP_TO_DATE, MessageKind::Information}}));
    }
    ScopedBaseUrl nowhere("127.0.0.1:" + std::to_string(UnusedLoopbackPort()));
    AskAboutUpdate(core, {CheckVersion(), true}, LeaveNothing);
    EXPECT_EQ(os.questions,
              std::vector<Question>(2, Question{UP_TO_DATE, MessageKind::Information}));
    EXPECT_TRUE(os.shellOpened.empty());
    EXPECT_TRUE(os.exitCodes.empty());
}

TEST_F(UpdateCheckTest, DeclinedUpdateLeavesEverythingAsItWas) {
    LoopbackServer server({{Ok("3101")}});
    ScopedBaseUrl base(server.HostAndPort());
    os.answer = MessageAnswer::No;
    AskAboutUpdate(core, {CheckVersion(), false}, LeaveNothing);
    EXPECT_EQ(os.questions, (std::vector<Question>{{QUESTION, MessageKind::YesNoQuestion}}));
    EXPECT_TRUE(os.shellOpened.empty());
    EXPECT_TRUE(os.exitCodes.empty());
    EXPECT_FALSE(os.PathExists(SettingsFilePath()));
}

TEST_F(UpdateCheckTest, AcceptedUpdateSavesEverythingStartsTheUpdaterAndEnds) {
    const struct {
        int64_t updatedAt;
        std::string parameter;
    } cases[] = {{0, "S0"}, {1700000000, "S1700000000"}, {0x180000000LL, "S-2147483648"}};
    for (const auto& c : cases) {
        LoopbackServer server({{Ok("3101")}});
        ScopedBaseUrl base(server.HostAndPort());
        os.answer = MessageAnswer::Yes;
        os.shellOpened.clear();
        os.exitCodes.clear();
        core.m_updatedAt = c.updatedAt;
        core.m_windowLeft = 321;  // a change not saved yet

        AskAboutUpdate(core, {CheckVersion(), false}, LeaveNothing);
        EXPECT_EQ(os.shellOpened, std::vector<std::string>{UpdaterPath() + "|" + c.parameter});
        EXPECT_EQ(os.exitCodes, std::vector<int>{0});
        // Everything was saved before the updater started and the process ended.
        CAppCore reloaded;
        reloaded.LoadSettings();
        EXPECT_EQ(reloaded.m_windowLeft, 321);
        EXPECT_EQ(os.settingsAtExit, ReadBytes(SettingsFilePath()));
        EXPECT_EQ(os.shellOpenedBeforeExit, 1u);
    }
}

TEST_F(UpdateCheckTest, AcceptedUpdateLeavesTheDesktopBeforeSavingAndEnding) {
    LoopbackServer server({{Ok("3101")}});
    ScopedBaseUrl base(server.HostAndPort());
    os.answer = MessageAnswer::Yes;
    size_t shellOpenedWhenLeaving = 99;
    // What the panel does there: its position goes into the core, its tray icon away.
    AskAboutUpdate(core, {CheckVersion(), false}, [&] {
        core.m_windowLeft = 640;
        core.m_windowTop = 48;
        shellOpenedWhenLeaving = os.shellOpened.size();
    });
    EXPECT_EQ(shellOpenedWhenLeaving, 0u);
    EXPECT_EQ(os.exitCodes, std::vector<int>{0});
    CAppCore reloaded;
    reloaded.LoadSettings();
    EXPECT_EQ(reloaded.m_windowLeft, 640);
    EXPECT_EQ(reloaded.m_windowTop, 48);
}

TEST(UpdateCheckDeclined, LeavesTheDesktopAsItIs) {
    FakeOs os;
    CAppCore core;
    LoopbackServer server({{Ok("3101")}, {Ok("3100")}});
    ScopedBaseUrl base(server.HostAndPort());
    os.answer = MessageAnswer::No;
    bool left = false;
    AskAboutUpdate(core, {CheckVersion(), false}, [&] { left = true; });
    AskAboutUpdate(core, {CheckVersion(), true}, [&] { left = true; });
    EXPECT_FALSE(left);
}

TEST_F(UpdateCheckTest, ForcedUpdateStartsTheUpdaterWithoutParameters) {
    StartForcedUpdate();
    EXPECT_EQ(os.shellOpened, std::vector<std::string>{UpdaterPath() + "|"});
    EXPECT_TRUE(os.questions.empty());
    EXPECT_TRUE(os.exitCodes.empty());
}
}  // namespace
