#include "store/indicator_store.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "base/local_time.h"
#include "store/indicator_file.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {
// One line of the indicator file: every field followed by 0x07, then CR LF.
std::string FileLine(std::initializer_list<std::string_view> fields) {
    std::string line;
    for (std::string_view field : fields) (line += field) += '\x07';
    return line + "\r\n";
}

std::string FeedLine(const char* date, const char* time, const char* name, int rank = 1,
                     int country = 1, const char* forecast = "f") {
    return std::string(date) + "##" + time + "##" + std::to_string(country) + "##" + name +
           "##0##r##" + forecast + "##p##" + std::to_string(rank) + "\n";
}

class IndicatorStoreTest : public ::testing::Test {
protected:
    IndicatorStoreTest() { os.now = FromLocalTime(2013, 9, 1, 12, 0, 0); }

    void Merge(const std::string& feed, int32_t autoNotifyRank = 0) {
        store.Merge(feed, path, autoNotifyRank, nextId);
    }
    void LoadFile(const std::string& bytes) {
        WriteBytes(path, bytes);
        store.Load(path, nextId);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& [when, record] : store.All()) names.push_back(record.name);
        return names;
    }
    const IndicatorRecord& Only() const {
        EXPECT_EQ(store.All().size(), 1u);
        return store.All().front().second;
    }

    FakeOs os;
    std::string path = IndicatorFilePath();
    IndicatorStore store;
    int32_t nextId = 1;
};
}  // namespace

TEST_F(IndicatorStoreTest, WritesTheMergedRecordByteExact) {
    nextId = 5;
    Merge("2013/9/4##21:30##2##S&amp;P 500##1##-##1.5%##1.2%##5\r\n", 3);
    EXPECT_EQ(ReadBytes(path),
              FileLine({"522727C8", "S&P 500", "1.5%", "-", "1.2%", "00000002", "00000005",
                        "00000001", "00000000", "00000001", "00000005"}));
    EXPECT_EQ(nextId, 6);
    ASSERT_NE(store.FindById(5), nullptr);
    EXPECT_EQ(store.FindById(5)->name, "S&P 500");
    EXPECT_EQ(store.FindById(6), nullptr);
}

TEST_F(IndicatorStoreTest, LoadAndSaveRoundTripByteExact) {
    const std::string bytes =
        FileLine({"522727C8", "Name\rA", "", "", "", "FFFFFFFF", "FFFFFFFB", "00000000", "00C0001F",
                  "00000003", "0000002A"}) +
        FileLine({"52272800", "\x95\x5C\x8E\xA6", "a", "b", "c", "0000000F", "00000000", "00000001",
                  "00000000", "00000000", "7FFFFFFF"});
    LoadFile(bytes);
    ASSERT_EQ(store.All().size(), 2u);
    const IndicatorRecord& first = store.All().front().second;
    EXPECT_EQ(first.when, 0x522727C8);
    EXPECT_EQ(first.name, "Name\rA");
    EXPECT_EQ(first.country, -1);
    EXPECT_EQ(first.rank, -5);
    EXPECT_EQ(first.firedAlerts, 0x00C0001Fu);
    EXPECT_TRUE(first.notify);
    EXPECT_TRUE(first.muted);
    EXPECT_EQ(first.id, 42);
    ASSERT_TRUE(store.Save(path));
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(IndicatorStoreTest, ARepeatedLineUpdatesItsRecordAndMovesItToItsNewTime) {
    Merge(FeedLine("2013/9/4", "21:30", "Moving", 5) + FeedLine("2013/9/5", "8:00", "Staying"));
    const int32_t id = store.All().front().second.id;
    store.SetNotify(id, false);
    store.MarkFiredAlerts(FromLocalTime(2013, 9, 4, 21, 30, 0), 0x10);
    const int32_t counter = nextId;

    Merge(FeedLine("2013/9/6", "10:00", "Moving", 1, 1, "new"), 0);

    EXPECT_EQ(Names(), (std::vector<std::string>{"Staying", "Moving"}));
    const IndicatorRecord* moved = store.FindById(id);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->when, FromLocalTime(2013, 9, 6, 10, 0, 0));
    EXPECT_EQ(moved->forecast, "new");
    EXPECT_EQ(moved->rank, 1);
    EXPECT_FALSE(moved->notify);
    EXPECT_EQ(moved->firedAlerts, 0x10u);
    EXPECT_EQ(nextId, counter);
    // The same name in another country is another announcement.
    Merge(FeedLine("2013/9/6", "10:00", "Moving", 1, 2));
    EXPECT_EQ(store.All().size(), 3u);
}

TEST_F(IndicatorStoreTest, AfterAMergeTheStoreIsWhatLoadingItsFileGives) {
    Merge(FeedLine("2013/9/4", "10:00", "Old one") + FeedLine("2013/9/4", "12:00", "Same time") +
          FeedLine("2013/9/5", "10:00", "P&amp;Q", 1, 1, "first"));
    // "Old one" moves to the time of "Same time" but stays before it, as it stood before; the
    // new "P&amp;Q" reads back as "P&Q", and being first in the file it wins over the stored one.
    Merge(FeedLine("2013/9/4", "12:00", "Old one") + FeedLine("2013/9/4", "12:00", "New one") +
          FeedLine("2013/9/3", "10:00", "P&amp;amp;Q", 1, 1, "second") +
          FeedLine("2011/8/1", "10:00", "Expired"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"P&Q", "Old one", "Same time", "New one"}));
    EXPECT_EQ(store.All().front().second.forecast, "second");

    IndicatorStore reloaded;
    int32_t reloadedNextId = nextId;
    reloaded.Load(path, reloadedNextId);
    EXPECT_EQ(reloaded.All(), store.All());
    EXPECT_EQ(reloadedNextId, nextId);
}

TEST_F(IndicatorStoreTest, NewRecordsAreNotifiedWhenTheirRankReachesTheAutoNotifyRank) {
    for (int32_t threshold = 0; threshold <= 5; ++threshold) {
        store.Clear();
        Merge(FeedLine("2013/9/4", "21:30", "Rank three", 3), threshold);
        EXPECT_EQ(Only().notify, threshold <= 3) << "threshold " << threshold;
    }
    store.ApplyThreshold(2);
    EXPECT_TRUE(Only().notify);
    store.ApplyThreshold(4);
    EXPECT_FALSE(Only().notify);
}

TEST_F(IndicatorStoreTest, ShortNamesNeverEnterButAStoredOneIsStillUpdated) {
    Merge(FeedLine("2013/9/4", "10:00", "ABC") + FeedLine("2013/9/4", "10:00", "\x82\xA0") +
          FeedLine("2013/9/4", "10:00", "") + FeedLine("2013/9/4", "10:00", "ABCD"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"ABCD"}));

    LoadFile(FileLine({"52272800", "ABC", "", "", "", "00000001", "00000001", "00000000",
                       "00000000", "00000000", "00000003"}));
    Merge(FeedLine("2013/9/4", "10:00", "ABC", 1, 1, "updated"));
    EXPECT_EQ(Only().forecast, "updated");
}

TEST_F(IndicatorStoreTest, RecordsOlderThanTwoYearsAreGoneAfterTheMerge) {
    os.now = FromLocalTime(2013, 9, 4, 21, 30, 0) + 63072000;
    Merge(FeedLine("2013/9/4", "21:30", "Just expired") + FeedLine("2013/9/4", "21:31", "Kept"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Kept"}));
    EXPECT_EQ(ReadBytes(path).find("Just expired"), std::string::npos);
}

TEST_F(IndicatorStoreTest, LoadKeepsTheFirstOfRepeatedNameAndCountry) {
    LoadFile(
        FileLine({"52272800", "Twice", "first", "", "", "00000001", "0", "0", "0", "0", "1"}) +
        FileLine({"52272900", "Twice", "second", "", "", "00000001", "0", "0", "0", "0", "2"}) +
        FileLine({"52272A00", "Twice", "other", "", "", "00000002", "0", "0", "0", "0", "3"}));
    ASSERT_EQ(store.All().size(), 2u);
    EXPECT_EQ(store.All().front().second.forecast, "first");
    EXPECT_EQ(store.FindById(2), nullptr);
    EXPECT_EQ(store.FindById(3)->forecast, "other");
}

TEST_F(IndicatorStoreTest, LoadSortsByTimeKeepingEqualTimesInFileOrder) {
    auto line = [](const char* when, const char* name) {
        return FileLine({when, name, "", "", "", "1", "0", "0", "0", "0", "0"});
    };
    LoadFile(line("52272800", "A") + line("52272A00", "B") + line("52272900", "C") +
             line("52272800", "D"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "D", "C", "B"}));
    // The name index followed the records to their new places.
    Merge(FeedLine("2013/9/5", "10:00", "D", 1, 1, "found"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "B", "D"}));
    EXPECT_EQ(store.All().back().second.forecast, "found");
}

TEST_F(IndicatorStoreTest, EveryLoadedRecordGetsAnIdNoOtherRecordUses) {
    nextId = 5;
    LoadFile(FileLine({"52272800", "No id", "", "", "", "1", "0", "0", "0", "0", "0"}) +
             FileLine({"52272900", "Owner", "", "", "", "1", "0", "0", "0", "0", "5"}) +
             FileLine({"52272A00", "Same id", "", "", "", "1", "0", "0", "0", "0", "5"}));
    ASSERT_EQ(store.All().size(), 3u);
    EXPECT_EQ(store.FindById(5)->name, "Owner");
    std::set<int32_t> ids;
    for (const auto& [when, record] : store.All()) ids.insert(record.id);
    EXPECT_EQ(ids, (std::set<int32_t>{5, 6, 7}));
    EXPECT_EQ(nextId, 8);
}

TEST_F(IndicatorStoreTest, NewIdsSkipZeroAndWrapAroundTheCounter) {
    nextId = 0;
    Merge(FeedLine("2013/9/4", "10:00", "First"));
    EXPECT_EQ(Only().id, 1);
    EXPECT_EQ(nextId, 2);
    nextId = INT32_MAX;
    Merge(FeedLine("2013/9/4", "10:01", "Second"));
    EXPECT_NE(store.FindById(INT32_MAX), nullptr);
    EXPECT_EQ(nextId, INT32_MIN);
}

TEST_F(IndicatorStoreTest, NewIdsSkipIdsTakenOutsideTheStore) {
    const std::set<int32_t> takenElsewhere{1, 2, 4};
    store.SetIdsTakenElsewhere([&](int32_t id) { return takenElsewhere.count(id) != 0; });
    Merge(FeedLine("2013/9/4", "10:00", "First") + FeedLine("2013/9/4", "10:01", "Second"));
    EXPECT_EQ(store.FindById(3)->name, "First");
    EXPECT_EQ(store.FindById(5)->name, "Second");
    EXPECT_EQ(nextId, 6);
    // A stored record keeps an id taken elsewhere: it is the record the id was taken for.
    LoadFile(FileLine({"52272800", "Owner", "", "", "", "1", "0", "0", "0", "0", "4"}) +
             FileLine({"52272900", "No id", "", "", "", "1", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(store.FindById(4)->name, "Owner");
    EXPECT_EQ(store.FindById(6)->name, "No id");
}

TEST_F(IndicatorStoreTest, NextAlertTargetIsTheFirstNotifiedUnmutedRecordAfterNow) {
    os.now = 0x52272800;
    auto line = [](const char* when, const char* name, const char* flags) {
        return FileLine({when, name, "", "", "", "1", "0", "0", "0", flags, "0"});
    };
    LoadFile(line("522727FF", "Past", "1") + line("52272800", "Now", "1") +
             line("52272801", "Muted", "3") + line("52272802", "Off", "0") +
             line("52272803", "Target", "1") + line("52272803", "Same time", "1"));
    const IndicatorRecord* target = store.NextAlertTarget(os.now);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->name, "Target");
    EXPECT_EQ(store.NextAlertTarget(0x52272803), nullptr);
    EXPECT_EQ(store.NextAlertTarget(0x522727FE)->name, "Past");
}

TEST_F(IndicatorStoreTest, FiredAlertsAreMarkedOnEveryRecordAtThatTime) {
    Merge(FeedLine("2013/9/4", "10:00", "One") + FeedLine("2013/9/4", "10:00", "Two") +
          FeedLine("2013/9/4", "10:01", "Later"));
    store.MarkFiredAlerts(FromLocalTime(2013, 9, 4, 10, 0, 0), 0x00400010);
    for (const auto& [when, record] : store.All()) {
        bool marked = record.name != "Later";
        EXPECT_EQ(record.HasFiredAlerts(0x00400010), marked) << record.name;
        EXPECT_EQ(record.HasFiredAlerts(0x10), marked) << record.name;
        EXPECT_FALSE(record.HasFiredAlerts(0x00400011)) << record.name;
    }
}

TEST_F(IndicatorStoreTest, DamagedFileLinesLoadAsFarAsTheyGo) {
    LoadFile(std::string("52272800\x07"
                         "Cut short\r\n") +
             "52272900\x07Huge\x07\x07\x07\x07" + "123456789\x07-1\x07\r\n" + "\r\n\r\r\n" +
             FileLine({"52272A00", "Bad hex", "", "", "", "zz", "", "", "", "", ""}) +
             "52272B00\x07No line end\x07");
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "Huge", "Bad hex"}));
    auto at = store.All().begin();
    EXPECT_EQ((++at)->second.country, 0x12345678);
    EXPECT_EQ(at->second.rank, 0);  // "-1" is no hexadecimal number
    EXPECT_EQ((++at)->second.country, 0);
    for (const auto& [when, record] : store.All()) EXPECT_NE(record.id, 0);
}

TEST_F(IndicatorStoreTest, MissingFileEmptiesTheStoreAndAFailedWriteKeepsTheMerge) {
    Merge(FeedLine("2013/9/4", "10:00", "Kept in memory"));
    store.Load(path + ".missing", nextId);
    EXPECT_TRUE(store.All().empty());

    path = os.folder.Path() + "no such folder/iaindex2.dat";
    Merge(FeedLine("2013/9/4", "10:00", "Kept in memory"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Kept in memory"}));
    EXPECT_FALSE(store.Save(path));
}

// The fuzz targets merge and load in memory; what they prove holds for the file only if the
// memory forms do exactly what Merge, Save and Load do.
TEST_F(IndicatorStoreTest, MemoryFormsAgreeWithTheFile) {
    const std::string first = FeedLine("2013/9/4", "21:30", "Retail Sales") +
                              FeedLine("2013/9/3", "10:00", "Trade Balance", 3);
    const std::string second = FeedLine("2013/9/2", "08:00", "Retail Sales", 2) +
                               FeedLine("2013/9/5", "09:00", "Jobless Claims");
    Merge(first, 2);
    Merge(second, 2);

    IndicatorStore inMemory;
    int32_t memoryNextId = 0;
    inMemory.MergeInMemory(first, 2, memoryNextId);
    inMemory.MergeInMemory(second, 2, memoryNextId);
    EXPECT_EQ(inMemory.All(), store.All());
    EXPECT_EQ(memoryNextId, nextId);
    EXPECT_EQ(inMemory.FileText(), ReadBytes(path));

    IndicatorStore loaded;
    int32_t loadedNextId = 0;
    loaded.LoadText(ReadBytes(path), loadedNextId);
    EXPECT_EQ(loaded.All(), store.All());
}

namespace {
// A feed of `count` new announcements, each with a name of its own, at one time.
std::string FeedOfNewNames(int first, int count) {
    std::string feed;
    for (int index = first; index < first + count; ++index)
        feed += FeedLine("2013/9/4", "21:30", ("Forged " + std::to_string(index)).c_str());
    return feed;
}

// A file of records at the given times, named after their order.
std::string FileAt(const std::vector<int64_t>& times) {
    std::string text;
    for (size_t index = 0; index < times.size(); ++index) {
        IndicatorRecord record;
        record.when = times[index];
        record.name = "Record " + std::to_string(index);
        record.country = 0;
        record.id = static_cast<int32_t>(index + 1);
        AppendIndicatorFileLine(text, record);
    }
    return text;
}
}  // namespace

TEST_F(IndicatorStoreTest, OneFeedAddsAtMostTheBoundOfNewRecordsButStillUpdatesStoredOnes) {
    constexpr int BOUND = static_cast<int>(IndicatorStore::MAX_NEW_RECORDS_PER_MERGE);
    Merge(FeedLine("2013/9/3", "10:00", "Stored before"));
    Merge(FeedOfNewNames(0, BOUND + 5) + FeedLine("2013/9/5", "11:00", "Stored before"));
    EXPECT_EQ(store.All().size(), static_cast<size_t>(BOUND) + 1);
    EXPECT_EQ(store.All().back().second.name, "Stored before");  // moved to its new time
    EXPECT_EQ(ReadBytes(path).find("Forged " + std::to_string(BOUND)), std::string::npos);

    // The lines dropped come in with the next feed that brings them.
    Merge(FeedOfNewNames(0, BOUND + 5));
    EXPECT_EQ(store.All().size(), static_cast<size_t>(BOUND) + 6);
}

TEST_F(IndicatorStoreTest, PastTheBoundTheOldestPastAnnouncementsGoFirst) {
    constexpr size_t BOUND = IndicatorStore::MAX_RECORDS;
    const int64_t now = os.now;
    std::vector<int64_t> times = {now - 300, now - 200, now - 100, now - 50, now};
    while (times.size() < BOUND + 3) times.push_back(now + static_cast<int64_t>(times.size()));
    store.LoadText(FileAt(times), nextId);
    ASSERT_EQ(store.All().size(), BOUND);
    EXPECT_EQ(store.All()[0].second.name, "Record 3");  // the three oldest went
    EXPECT_EQ(store.All()[1].second.name, "Record 4");
    EXPECT_EQ(store.All().back().second.name, "Record " + std::to_string(BOUND + 2));
    EXPECT_EQ(store.FindById(1), nullptr);
    ASSERT_NE(store.FindById(4), nullptr);
    EXPECT_EQ(store.FindById(4)->name, "Record 3");
}

TEST_F(IndicatorStoreTest, WhenComingAnnouncementsAloneExceedTheBoundThoseFurthestAheadGo) {
    constexpr size_t BOUND = IndicatorStore::MAX_RECORDS;
    const int64_t now = os.now;
    std::vector<int64_t> times = {now - 100};
    while (times.size() < BOUND + 4) times.push_back(now + static_cast<int64_t>(times.size()));
    LoadFile(FileAt(times));
    ASSERT_EQ(store.All().size(), BOUND);
    EXPECT_EQ(store.All()[0].second.name, "Record 1");
    EXPECT_EQ(store.All().back().second.name, "Record " + std::to_string(BOUND));

    // A merge keeps the bound too, and a record kept is still found by its name.
    Merge(FeedLine("2013/9/4", "21:30", "One more"));
    EXPECT_EQ(store.All().size(), BOUND);
    Merge(FeedLine("2013/9/4", "21:30", "Record 1", 1, 0, "updated"));
    EXPECT_EQ(store.All().size(), BOUND);
    EXPECT_EQ(store.FindById(2)->forecast, "updated");
}
