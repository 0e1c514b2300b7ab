#include "metatrader/drive_scan_worker.h"

#include <condition_variable>
#include <mutex>

#include <gtest/gtest.h>

#include "tests/metatrader/folder_tree.h"

namespace {
// Counts the reports; the test thread waits for the end of the scan.
class RecordingListener : public DriveScanListener {
public:
    void FolderFound() override {
        std::lock_guard<std::mutex> hold(lock_);
        ++found_;
        if (stopOnFirstFind) stopOnFirstFind->RequestStop();
    }

    void ScanDone() override {
        std::lock_guard<std::mutex> hold(lock_);
        ++done_;
        changed_.notify_all();
    }

    void WaitForEnd() {
        std::unique_lock<std::mutex> hold(lock_);
        changed_.wait(hold, [this] { return done_ > 0; });
    }

    int Found() {
        std::lock_guard<std::mutex> hold(lock_);
        return found_;
    }

    int Done() {
        std::lock_guard<std::mutex> hold(lock_);
        return done_;
    }

    DriveScanWorker* stopOnFirstFind = nullptr;

private:
    std::mutex lock_;
    std::condition_variable changed_;
    int found_ = 0;
    int done_ = 0;
};

// Two drives: the first with a terminal that holds a second one further down, and ordinary
// folders around them; the second with one more terminal.
class DriveScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        firstDrive = MakeFolder(temp.Path(), "C");
        secondDrive = MakeFolder(temp.Path(), "D");
        MakeFolder(firstDrive, "Windows");
        outer = MakeFolder(firstDrive, "MT4");
        MakeTerminal(outer);
        inner = MakeFolder(outer, std::string("experts") + PathSeparator() + "copy");
        MakeTerminal(inner, {"history", "tester", "experts", "MQL4"});
        MakeFolder(firstDrive, "Users");
        MakeFolder(secondDrive, "Games");
        other = MakeFolder(secondDrive, std::string("FX") + PathSeparator() + "Broker MT4");
        MakeTerminal(other);
        // Not a terminal: three marker folders only.
        MakeTerminal(MakeFolder(secondDrive, "Almost"), {"history", "tester", "experts"});
    }

    TempFolder temp;
    std::string firstDrive, secondDrive, outer, inner, other;
};
}  // namespace

TEST_F(DriveScanTest, FindsEveryTerminalFolderOnEveryDriveInTheOrderMet) {
    RecordingListener listener;
    DriveScanWorker worker;
    ASSERT_TRUE(worker.Start({firstDrive, secondDrive}, listener));
    listener.WaitForEnd();

    EXPECT_EQ(worker.FoundFolders(), (std::vector<std::string>{outer, inner, other}));
    EXPECT_EQ(listener.Found(), 3);
    EXPECT_EQ(listener.Done(), 1);
    EXPECT_FALSE(worker.Start({firstDrive}, listener));  // one scan per worker
}

TEST_F(DriveScanTest, StopsRightAfterTheFolderWhereItWasAskedTo) {
    RecordingListener listener;
    DriveScanWorker worker;
    listener.stopOnFirstFind = &worker;
    ASSERT_TRUE(worker.Start({firstDrive, secondDrive}, listener));
    listener.WaitForEnd();

    EXPECT_EQ(worker.FoundFolders(), std::vector<std::string>{outer});
    EXPECT_EQ(worker.CurrentFolder(), outer);  // entered nothing after the request
    EXPECT_EQ(listener.Found(), 1);
    EXPECT_EQ(listener.Done(), 1);
}

TEST_F(DriveScanTest, AScanStoppedBeforeItBeganReportsOnlyItsEnd) {
    RecordingListener listener;
    DriveScanWorker worker;
    worker.RequestStop();
    ASSERT_TRUE(worker.Start({firstDrive, secondDrive}, listener));
    listener.WaitForEnd();

    EXPECT_TRUE(worker.FoundFolders().empty());
    EXPECT_EQ(worker.CurrentFolder(), "");
    EXPECT_EQ(listener.Found(), 0);
}

TEST_F(DriveScanTest, DoesNotFollowALinkBackUpTheTree) {
    std::error_code failed;
    std::filesystem::create_directory_symlink(firstDrive, outer + "loop", failed);
    if (failed) GTEST_SKIP() << "no folder links here";

    RecordingListener listener;
    DriveScanWorker worker;
    ASSERT_TRUE(worker.Start({firstDrive}, listener));
    listener.WaitForEnd();
    EXPECT_EQ(worker.FoundFolders(), (std::vector<std::string>{outer, inner}));
}
