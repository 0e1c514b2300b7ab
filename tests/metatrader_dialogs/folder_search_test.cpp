#include "metatrader_dialogs/folder_search.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "base/byte_text.h"
#include "tests/metatrader/folder_tree.h"

namespace {
const std::string INSTRUCTIONS =
    "メタトレーダーのフォルダを選択して下さい。\n"
    "下の再検索ボタンを押すとPC内の対象フォルダ一覧を検索します。\n"
    "<<検索には非常に時間がかかります。>>\n";
const std::string SEARCHING =
    "メタトレーダーのフォルダを選択して下さい。\n"
    "リアルタイムで対象フォルダ一覧を検索中です。\n"
    "現在検索中のフォルダ:\n";

// The computer's fixed drives are folders of the test; below endlessRoot every folder has one
// more subfolder, so a scan that reaches it only ends when it is stopped.
class ScanOs : public FakeOs {
public:
    std::vector<std::string> FixedDriveRoots() override { return roots; }
    std::vector<std::string> ListSubfolders(const std::string& folder) override {
        if (!endlessRoot.empty() && folder.compare(0, endlessRoot.size(), endlessRoot) == 0)
            return {folder + "d"};
        return OsSeam::ListSubfolders(folder);
    }

    std::vector<std::string> roots;
    std::string endlessRoot;
};

// Stands in for the dialog: counts the scan's reports and lets the test wait for them.
class ScanReports : public DriveScanListener {
public:
    void FolderFound() override { Count(found_); }
    void ScanDone() override { Count(done_); }

    void WaitForFound() { Wait(found_); }
    void WaitForDone() { Wait(done_); }
    int Done() {
        std::lock_guard<std::mutex> hold(lock_);
        return done_;
    }

private:
    void Count(int& counter) {
        std::lock_guard<std::mutex> hold(lock_);
        ++counter;
        changed_.notify_all();
    }
    void Wait(const int& counter) {
        std::unique_lock<std::mutex> hold(lock_);
        changed_.wait(hold, [&] { return counter > 0; });
    }

    std::mutex lock_;
    std::condition_variable changed_;
    int found_ = 0;
    int done_ = 0;
};

class FolderSearchTest : public ::testing::Test {
protected:
    std::string Drive(const std::string& name) {
        const std::string root = MakeFolder(drives.Path(), name);
        os.roots.push_back(root);
        return root;
    }

    // A terminal installation below parent; returns it as the scan reports it.
    static std::string Terminal(const std::string& parent, const std::string& name) {
        const std::string folder = MakeFolder(parent, name);
        MakeTerminal(folder);
        return folder;
    }

    // Runs "再検索" to the end of the drive scan, handing over its reports as the dialog does.
    std::vector<std::string> ScanToTheEnd(FolderSearch& search) {
        search.Search();
        EXPECT_EQ(search.CurrentState(), FolderSearch::State::Scanning);
        reports.WaitForDone();
        std::vector<std::string> added = search.TakeFoundFolders();
        search.ScanEnded();
        return added;
    }

    std::vector<std::string> SavedLines() const {
        return SplitLines(
            ReadBytes(os.folder.Path() + "setting" + PathSeparator() + "iasetting.dat"));
    }

    ScanOs os;
    TempFolder drives;
    CAppCore core;
    ScanReports reports;
};

std::string Utf16LittleEndian(const std::string& ascii) {
    std::string bytes;
    for (char c : ascii) bytes += std::string{c, '\0'};
    return bytes;
}
}  // namespace

TEST_F(FolderSearchTest, OpensWithTheFoldersOfTheLastScan) {
    core.m_foundTerminalFolders = {"C:\\MT4\\", "", "D:\\FX\\MT4\\"};
    FolderSearch search(core, reports);

    EXPECT_EQ(search.Entries(), (std::vector<std::string>{"C:\\MT4\\", "D:\\FX\\MT4\\"}));
    EXPECT_EQ(search.CurrentState(), FolderSearch::State::Idle);
    EXPECT_TRUE(search.CanSearch());
    EXPECT_EQ(search.StatusText(), INSTRUCTIONS);
}

TEST_F(FolderSearchTest, TheTerminalsOwnRecordsAreShownWithoutAScanAndNotKept) {
    const std::string scanned = Terminal(Drive("C"), "MT4");
    os.appDataFolder = os.folder.Path() + "Roaming";
    const std::string data =
        MakeFolder(os.appDataFolder + PathSeparator(), std::string("MetaQuotes") + PathSeparator() +
                                                           "Terminal" + PathSeparator() + "ABC123");
    WriteBytes(data + "origin.txt", Utf16LittleEndian("C:\\Program Files\\MT4"));
    core.m_foundTerminalFolders = {"D:\\Old\\"};
    FolderSearch search(core, reports);

    search.Search();
    EXPECT_EQ(search.CurrentState(), FolderSearch::State::Discovered);
    EXPECT_EQ(search.Entries(), std::vector<std::string>{"C:\\Program Files\\MT4|" +
                                                         data.substr(0, data.size() - 1)});
    EXPECT_FALSE(search.CanSearch());  // until the dialog is opened again
    EXPECT_EQ(search.StatusText(), INSTRUCTIONS);
    EXPECT_TRUE(search.TakeFoundFolders().empty());
    search.Close();

    EXPECT_EQ(reports.Done(), 0);  // no scan ran
    EXPECT_TRUE(core.m_foundTerminalFolders.empty());
    EXPECT_EQ(SavedLines().at(3), "");
    EXPECT_TRUE(FolderSearch(core, reports).Entries().empty());
}

TEST_F(FolderSearchTest, WithoutRecordsEveryFixedDriveIsScannedAndTheListFollows) {
    os.appDataFolder = os.folder.Path() + "Roaming";  // no MetaQuotes folder in it
    const std::string first = Drive("C");
    const std::string outer = Terminal(first, "MT4");
    const std::string inner = Terminal(outer + "experts" + PathSeparator(), "copy");
    MakeFolder(first, "Windows");
    const std::string other = Terminal(Drive("D"), "FX");
    core.m_foundTerminalFolders = {"E:\\Gone\\"};
    FolderSearch search(core, reports);

    const std::vector<std::string> expected{outer, inner, other};
    EXPECT_EQ(ScanToTheEnd(search), expected);
    EXPECT_EQ(search.Entries(), expected);
    EXPECT_EQ(core.m_foundTerminalFolders, expected);
    EXPECT_TRUE(search.CanSearch());
    EXPECT_EQ(search.StatusText(), INSTRUCTIONS);

    search.Close();
    CAppCore restarted;
    restarted.LoadSettings();
    EXPECT_EQ(FolderSearch(restarted, reports).Entries(), expected);
}

TEST_F(FolderSearchTest, ReportsOfTheSameScanAddEachFolderOnce) {
    const std::string terminal = Terminal(Drive("C"), "MT4");
    FolderSearch search(core, reports);
    search.Search();
    reports.WaitForDone();

    EXPECT_EQ(search.TakeFoundFolders(), std::vector<std::string>{terminal});
    EXPECT_TRUE(search.TakeFoundFolders().empty());
    search.ScanEnded();
    EXPECT_EQ(search.Entries(), std::vector<std::string>{terminal});
    // A late report after the end changes nothing.
    EXPECT_TRUE(search.TakeFoundFolders().empty());
}

TEST_F(FolderSearchTest, AFolderDifferingOnlyInTheCaseOfItsLettersCountsAsShown) {
    const std::string lower = Terminal(Drive("drive"), "mt4");
    if (std::filesystem::exists(drives.Path() + "DRIVE"))
        GTEST_SKIP() << "the file system ignores case: such folders are one";
    const std::string upper = Terminal(Drive("DRIVE"), "MT4");
    FolderSearch search(core, reports);

    EXPECT_EQ(ScanToTheEnd(search), std::vector<std::string>{lower});
    EXPECT_EQ(core.m_foundTerminalFolders, (std::vector<std::string>{lower, upper}));
}

TEST_F(FolderSearchTest, DoubleByteNamesAreNotFoldedLikeLetters) {
#ifdef _WIN32
    GTEST_SKIP() << "the test makes its folders through std::filesystem, which on Windows does "
                    "not read narrow names as code page 932";
#endif
    // Second bytes that look like "A" and "a": two different characters.
    const std::string first = Terminal(Drive("\x95\x41"), "MT4");
    const std::string second = Terminal(Drive("\x95\x61"), "MT4");
    FolderSearch search(core, reports);

    EXPECT_EQ(ScanToTheEnd(search), (std::vector<std::string>{first, second}));
}

TEST_F(FolderSearchTest, WhileScanningTheTextFollowsTheFolderBeingSearched) {
    const std::string drive = Drive("C");
    os.endlessRoot = drive;
    FolderSearch search(core, reports);
    search.Search();

    EXPECT_FALSE(search.CanSearch());
    std::string text = search.StatusText();
    ASSERT_EQ(text.compare(0, SEARCHING.size(), SEARCHING), 0) << text;
    // The scan never ends here, so it soon enters a folder of the drive.
    while (text == SEARCHING) {
        std::this_thread::yield();
        text = search.StatusText();
    }
    EXPECT_EQ(text.compare(SEARCHING.size(), drive.size(), drive), 0) << text;
    search.Search();  // "再検索" is disabled while the scan runs
    EXPECT_EQ(search.CurrentState(), FolderSearch::State::Scanning);
    search.Close();
}

TEST_F(FolderSearchTest, ClosingStopsARunningScanAndKeepsWhatItFound) {
    const std::string terminal = Terminal(Drive("C"), "MT4");
    os.endlessRoot = Drive("D");
    FolderSearch search(core, reports);
    search.Search();
    reports.WaitForFound();

    search.Close();
    EXPECT_EQ(reports.Done(), 1);  // the scan ended within its allowance
    EXPECT_EQ(search.CurrentState(), FolderSearch::State::Idle);
    EXPECT_EQ(core.m_foundTerminalFolders, std::vector<std::string>{terminal});
    EXPECT_EQ(SavedLines().at(3), terminal + "\a");
}

TEST_F(FolderSearchTest, OkNeedsASelectedEntry) {
    core.m_foundTerminalFolders = {"C:\\MT4\\", "D:\\MT4\\"};
    const FolderSearch search(core, reports);

    EXPECT_EQ(search.Choose(1), "D:\\MT4\\");
    EXPECT_TRUE(os.questions.empty());
    EXPECT_EQ(search.Choose(-1), std::nullopt);
    EXPECT_EQ(search.Choose(2), std::nullopt);
    EXPECT_EQ(os.questions, std::vector<Question>(
                                2, Question{"対象フォルダを選択して下さい。", MessageKind::Ok}));
}
