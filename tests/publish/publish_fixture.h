// A publisher run in a temporary folder, and the panel's own readers of what it wrote.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "publish/publisher.h"
#include "base/euc_jp.h"
#include "store/indicator_feed.h"
#include "base/line_file.h"
#include "store/news_feed.h"
#include "tests/publish/utf8_text.h"
#include "tests/support/test_os.h"

// 2026-03-10 00:00:00 UTC, two days after the United States went over to daylight-saving time.
inline constexpr int64_t RUN_TIME = 1773100800;

class PublishFixture : public ::testing::Test {
protected:
    PublishFixture() {
        options.outFolder = folder.Path() + "out";
        std::filesystem::create_directories(options.outFolder);
    }

    // Writes a source file below the temporary folder and returns its path.
    std::string Source(const std::string& name, const std::string& bytes) {
        const std::string path = folder.Path() + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    bool Run(int64_t now = RUN_TIME) {
        error.clear();
        return Publish(options, now, summary, error);
    }

    std::string Output(const std::string& name) const {
        std::string bytes;
        ReadTextFile(options.outFolder + "/" + name, bytes, true);
        return bytes;
    }

    // Every output file's bytes, to show that a failed run changed nothing.
    std::vector<std::string> AllOutputs() const {
        std::vector<std::string> all;
        for (const char* name : {"iadat2.dat", "qznnews.dat", "qzninfo.dat", "prims/version.dat",
                                 "acs/aa.php", "qznhnd_update.dat", "qznhnd_trader.dat",
                                 "qznhnd_message.dat", "qznhnd_data.dat", ITEM_ID_STATE_FILE})
            all.push_back(Output(name));
        return all;
    }

    std::vector<IndicatorRecord> Announcements() const {
        return ParseIndicatorFeed(Output("iadat2.dat"));
    }
    std::vector<iaNews> News() const { return ParseNewsFeed(EucJpToCp932(Output("qznnews.dat"))); }
    std::vector<iaNews> Notices() const {
        return ParseNewsFeed(EucJpToCp932(Output("qzninfo.dat")));
    }

    TempFolder folder;
    PublishOptions options;
    PublishSummary summary;
    std::string error;
};

// The announcement of that name (CP932); fails the test when there is not exactly one.
inline IndicatorRecord Named(const std::vector<IndicatorRecord>& records, const std::string& name) {
    IndicatorRecord found;
    int count = 0;
    for (const IndicatorRecord& record : records)
        if (record.name == name) found = record, ++count;
    EXPECT_EQ(count, 1) << name;
    return found;
}
