// The sample data server's files must be what the program's own parsers read. The generator is
// a python script run here on a fixed date (python3 is part of the development machine).
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "base/local_time.h"
#include "metatrader/trade_signal.h"
#include "base/euc_jp.h"
#include "store/indicator_feed.h"
#include "store/news_feed.h"
#include "base/byte_text.h"
#include "base/field_codec.h"
#include "tests/support/test_os.h"

namespace {
constexpr int64_t NOW = 1700000000;  // Wednesday 15 November 2023, 07:13:20 in Tokyo

class SampleServerFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        const auto script =
            std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "tools" /
            "sample_server" / "make_server_files.py";
        const std::string command = "python3 '" + script.string() + "' '" + folder_->Path() +
                                    "' --now " + std::to_string(NOW);
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    static void TearDownTestSuite() { delete folder_; }

    static std::string File(const std::string& path) {
        return ReadBytes(folder_->Path() + "sv_pelimor/websys/" + path);
    }

    static bool Clean(const std::string& text) { return text.find('?') == std::string::npos; }

    static TempFolder* folder_;
};
TempFolder* SampleServerFiles::folder_ = nullptr;

TEST_F(SampleServerFiles, IndicatorFeedIsAWeekOfDistinctAnnouncementsSomeDueInMinutes) {
    const std::vector<IndicatorRecord> records = ParseIndicatorFeed(File("iadat2.dat"));
    std::set<std::pair<std::string, int32_t>> nameAndCountry;
    std::set<int> days, ranks, countries;
    int dueSoon = 0;
    bool ampersand = false;
    for (const IndicatorRecord& record : records) {
        EXPECT_GE(record.name.size(), 4u);
        EXPECT_TRUE(nameAndCountry.insert({record.name, record.country}).second) << record.name;
        EXPECT_TRUE(record.country >= 0 && record.country <= 15);
        EXPECT_EQ(record.result == "-", record.when > NOW) << record.name;
        days.insert(ToLocalTime(record.when).day);
        ranks.insert(record.rank);
        countries.insert(record.country);
        dueSoon += record.when > NOW && record.when <= NOW + 15 * 60;
        ampersand |= record.name.find("S&P") != std::string::npos;
    }
    EXPECT_EQ(days.size(), 7u);
    EXPECT_EQ(ranks, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_GE(countries.size(), 6u);
    EXPECT_EQ(dueSoon, 3);
    EXPECT_TRUE(ampersand);
}

TEST_F(SampleServerFiles, NewsAndNoticesConvertCleanlyAndNewsCarryOneVideoAdvert) {
    const std::vector<iaNews> news = ParseNewsFeed(EucJpToCp932(File("qznnews.dat")));
    const std::vector<iaNews> notices = ParseNewsFeed(EucJpToCp932(File("qzninfo.dat")));
    std::set<int32_t> ids;
    int adverts = 0, lastHour = 0;
    for (const iaNews& item : news) {
        EXPECT_TRUE(Clean(item.title) && Clean(item.body)) << item.id;
        EXPECT_TRUE(ids.insert(item.id).second);
        EXPECT_LE(item.when, NOW);
        lastHour += item.when > NOW - 3600;
        if (!item.advert) continue;
        ++adverts;
        EXPECT_NE(item.body.find(" src=http://www.youtube.com/embed/"), std::string::npos);
    }
    EXPECT_EQ(news.size(), 11u);  // three pages of five on the panel, the last with one item
    EXPECT_EQ(adverts, 1);
    EXPECT_GE(lastHour, 1);
    EXPECT_GE(notices.size(), 3u);
    for (const iaNews& item : notices)
        EXPECT_TRUE(!item.advert && Clean(item.title) && Clean(item.body));
}

TEST_F(SampleServerFiles, VersionAndPollFilesHoldWhatThePollAndTheSignalPageRead) {
    EXPECT_EQ(ReadDecimal(File("prims/version.dat")), 3100);
    EXPECT_EQ(ReadDecimal(File("qznhnd_update.dat")), NOW);

    std::set<int32_t> traders;
    for (const std::string& line : SplitLines(File("qznhnd_trader.dat")))
        traders.insert(ReadDecimal(line));
    EXPECT_GE(traders.size(), 2u);
    for (const std::string& line : SplitLines(File("qznhnd_message.dat"))) {
        std::string trader, text;
        ASSERT_TRUE(FieldAt(line, 1, ",", trader) && FieldAt(line, 3, ",", text)) << line;
        EXPECT_TRUE(traders.count(ReadDecimal(trader)));
    }

    // The poll stores field 1, a comma, then everything from field 3 on, by the key in field 2.
    std::map<int32_t, std::string> signals;
    for (const std::string& line : SplitLines(File("qznhnd_data.dat"))) {
        std::string number, key, rest = line, skipped;
        ASSERT_TRUE(FieldAt(line, 1, ",", number) && FieldAt(line, 2, ",", key));
        for (int field = 0; field < 3; ++field) SplitFirst(rest, skipped, ",");
        signals[ReadDecimal(key)] = number + "," + rest;
    }
    ASSERT_GE(signals.size(), 6u);
    std::set<std::string> kinds;
    for (const auto& [key, entry] : signals) {
        const TradeSignal signal(entry);
        LocalTime time;
        ASSERT_TRUE(signal.Time(time)) << entry;
        EXPECT_EQ(
            FromLocalTime(time.year, time.month, time.day, time.hour, time.minute, time.second),
            ReadDecimal(signal.Field(2)));
        EXPECT_GE(CountOccurrences(entry, ","), 9) << "too few fields for the signal-copy file";
        kinds.insert(signal.Field(3));
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"N", "C", "M"}));
    const int64_t newestAge = NOW - ReadDecimal(TradeSignal(signals.rbegin()->second).Field(2));
    EXPECT_TRUE(newestAge >= 0 && newestAge < 180)
        << "the newest signal should still sound on arrival";
}
}  // namespace
#endif
