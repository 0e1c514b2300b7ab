#include "base/rotating_trace_file.h"
#include "base/trace_file_switch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/byte_text.h"
#include "base/os.h"
#include "tests/support/test_os.h"

namespace {

std::vector<std::string> LinesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// "dddd-dd-dd dd:dd:dd " at the start.
bool StartsWithStamp(const std::string& line) {
    const std::string form = "0000-00-00 00:00:00 ";
    if (line.size() < form.size()) return false;
    for (size_t i = 0; i < form.size(); ++i)
        if (form[i] == '0' ? !std::isdigit(static_cast<unsigned char>(line[i]))
                           : line[i] != form[i])
            return false;
    return true;
}

// The line with its CR LF, padded with "." to length bytes in all.
std::string LineOfLength(char mark, size_t length) {
    return std::string(1, mark) + std::string(length - 3, '.');
}

TEST(RotatingTraceFile, AddsEachLineWithCrLfAtTheEnd) {
    TempFolder folder;
    RotatingTraceFile trace(folder.Path() + "trace.txt", 1024);
    trace.Append("first");
    trace.Append("second");
    EXPECT_EQ(ReadBytes(trace.Path()), "first\r\nsecond\r\n");
    EXPECT_FALSE(Os().PathExists(trace.OlderPartPath()));
}

TEST(RotatingTraceFile, LineBreaksInsideALineCannotForgeLinesOfTheirOwn) {
    TempFolder folder;
    RotatingTraceFile trace(folder.Path() + "trace.txt", 1024);
    trace.Append("server said: ok\r\n2026-12-10 21:15:02 crash: forged\nend");
    EXPECT_EQ(ReadBytes(trace.Path()),
              "server said: ok  2026-12-10 21:15:02 crash: forged end\r\n");
}

TEST(RotatingTraceFile, ALineThatFillsTheBoundExactlyStaysInTheFile) {
    TempFolder folder;
    RotatingTraceFile trace(folder.Path() + "trace.txt", 20);
    trace.Append(LineOfLength('a', 10));
    trace.Append(LineOfLength('b', 10));
    EXPECT_EQ(ReadBytes(trace.Path()).size(), 20u);
    EXPECT_FALSE(Os().PathExists(trace.OlderPartPath()));
}

TEST(RotatingTraceFile, PastTheBoundTheFileBecomesTheOlderPartAndANewOneStarts) {
    TempFolder folder;
    RotatingTraceFile trace(folder.Path() + "trace.txt", 20);
    trace.Append(LineOfLength('a', 12));
    trace.Append(LineOfLength('b', 12));
    EXPECT_EQ(ReadBytes(trace.OlderPartPath()), LineOfLength('a', 12) + "\r\n");
    EXPECT_EQ(ReadBytes(trace.Path()), LineOfLength('b', 12) + "\r\n");

    // Only one older part is kept: the next rotation replaces it.
    trace.Append(LineOfLength('c', 12));
    EXPECT_EQ(ReadBytes(trace.OlderPartPath()), LineOfLength('b', 12) + "\r\n");
    EXPECT_EQ(ReadBytes(trace.Path()), LineOfLength('c', 12) + "\r\n");
    EXPECT_FALSE(Os().PathExists(trace.Path() + ".2"));
    EXPECT_FALSE(Os().PathExists(trace.OlderPartPath() + ".1"));
}

TEST(RotatingTraceFile, AFileLeftByAnEarlierRunCountsTowardsTheBound) {
    TempFolder folder;
    const std::string path = folder.Path() + "trace.txt";
    WriteBytes(path, "from the last run\r\n");  // 19 bytes
    RotatingTraceFile trace(path, 24);
    trace.Append("new run");
    EXPECT_EQ(ReadBytes(trace.OlderPartPath()), "from the last run\r\n");
    EXPECT_EQ(ReadBytes(path), "new run\r\n");
}

TEST(RotatingTraceFile, ALineLongerThanTheBoundIsCutToFitIt) {
    TempFolder folder;
    RotatingTraceFile trace(folder.Path() + "trace.txt", 10);
    trace.Append("0123456789abcdef");
    EXPECT_EQ(ReadBytes(trace.Path()), "01234567\r\n");
}

TEST(RotatingTraceFile, AFolderThatIsMissingGetsNoFileAndTheCallerGoesOn) {
    TempFolder folder;
    RotatingTraceFile trace(folder.Path() + "missing" + PathSeparator() + "trace.txt", 100);
    trace.Append("lost");
    EXPECT_FALSE(Os().PathExists(trace.Path()));
}

// Four threads at once, each line numbered: with a bound large enough every line arrives once
// and whole; with a small one each part stays within the bound and holds only whole lines.
class ConcurrentTraces : public ::testing::Test {
protected:
    static constexpr int THREADS = 4;
    static constexpr int LINES = 500;

    static std::string Line(int thread, int number) {
        return FormatText("thread %d line %03d", thread, number);
    }

    static void WriteFromThreads(RotatingTraceFile& trace) {
        std::vector<std::thread> writers;
        for (int t = 0; t < THREADS; ++t)
            writers.emplace_back([&trace, t] {
                for (int n = 0; n < LINES; ++n) trace.Append(Line(t, n));
            });
        for (auto& writer : writers) writer.join();
    }

    static bool IsWholeLine(const std::string& line) {
        int thread = -1, number = -1;
        return std::sscanf(line.c_str(), "thread %d line %d", &thread, &number) == 2 &&
               line == Line(thread, number) + "\r";
    }

    TempFolder folder;
};

TEST_F(ConcurrentTraces, EveryLineArrivesOnceAndWhole) {
    RotatingTraceFile trace(folder.Path() + "trace.txt", 1024 * 1024);
    WriteFromThreads(trace);
    std::vector<std::string> lines = LinesOf(ReadBytes(trace.Path()));
    std::set<std::string> distinct(lines.begin(), lines.end());
    EXPECT_EQ(lines.size(), static_cast<size_t>(THREADS * LINES));
    EXPECT_EQ(distinct.size(), lines.size());
    for (const auto& line : lines) EXPECT_TRUE(IsWholeLine(line)) << line;
}

TEST_F(ConcurrentTraces, RotationKeepsBothPartsWithinTheBoundAndTheLinesWhole) {
    constexpr uint64_t BOUND = 512;
    RotatingTraceFile trace(folder.Path() + "trace.txt", BOUND);
    WriteFromThreads(trace);
    for (const std::string& path : {trace.Path(), trace.OlderPartPath()}) {
        const std::string bytes = ReadBytes(path);
        EXPECT_LE(bytes.size(), BOUND) << path;
        std::vector<std::string> lines = LinesOf(bytes);
        EXPECT_FALSE(lines.empty()) << path;
        for (const auto& line : lines) EXPECT_TRUE(IsWholeLine(line)) << path << ": " << line;
    }
}

// The switch is process-wide: every case leaves it off.
class TraceFileSwitch : public ::testing::Test {
protected:
    void TearDown() override { StartTraceFile(folder.Path() + "no marker", trace); }

    TempFolder folder;
    const std::string marker = folder.Path() + TRACE_MARKER_NAME;
    const std::string trace = folder.Path() + "trace.txt";
};

TEST_F(TraceFileSwitch, WithoutTheMarkerTracesWriteNoFile) {
    EXPECT_FALSE(StartTraceFile(marker, trace));
    Os().Trace("socket connect failed");
    EXPECT_FALSE(Os().PathExists(trace));
}

TEST_F(TraceFileSwitch, WithTheMarkerTheSeamsTracesGoToTheFileAfterTheirLocalTime) {
    WriteBytes(marker, "");
    EXPECT_TRUE(StartTraceFile(marker, trace));
    WriteToTraceFile(1700000000, "first");  // 2023-11-14 22:13:20 UTC, the tests' zone is JST-9
    Os().Trace("socket connect failed");
    std::vector<std::string> lines = LinesOf(ReadBytes(trace));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "2023-11-15 07:13:20 first\r");
    EXPECT_TRUE(StartsWithStamp(lines[1])) << lines[1];
    EXPECT_THAT(lines[1], ::testing::EndsWith(" socket connect failed\r"));
}

TEST_F(TraceFileSwitch, AStartWithoutTheMarkerSwitchesTheFileOffAgain) {
    WriteBytes(marker, "");
    ASSERT_TRUE(StartTraceFile(marker, trace));
    Os().Trace("while on");
    ASSERT_TRUE(Os().RemoveFile(marker));
    EXPECT_FALSE(StartTraceFile(marker, trace));
    Os().Trace("while off");
    std::vector<std::string> lines = LinesOf(ReadBytes(trace));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines[0], ::testing::EndsWith(" while on\r"));
}

}  // namespace
