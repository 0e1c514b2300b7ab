// The indicator list's rows for a calendar day and its check-box clicks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "base/local_time.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"
#include "views/check_box_click.h"
#include "views/day_indicators.h"

namespace {

std::string FeedLine(const char* date, const char* time, const char* name) {
    return std::string(date) + "##" + time + "##7##" + name + "##0##-##1.0##0.9##2\n";
}

// Puts the runtime's local time in another zone for the lifetime of this object.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) previous_ = old;
        Set(zone);
    }
    ~ScopedZone() { Set(previous_.c_str()); }
    ScopedZone(const ScopedZone&) = delete;
    ScopedZone& operator=(const ScopedZone&) = delete;

private:
    static void Set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone);
        _tzset();
#else
        setenv("TZ", zone, 1);
        tzset();
#endif
    }
    std::string previous_;
};

// A zone whose clocks go forward at 00:00 (or across it) on one date, so that its midnight
// never happens; the records lie around that gap.
struct ZoneWithoutMidnight {
    const char* zone;
    CalendarDate before, day, after;
    const char* firstTime;  // the first minutes the day has, after the gap
};

std::string FeedDate(const CalendarDate& date) {
    return std::to_string(date.year) + "/" + std::to_string(date.month) + "/" +
           std::to_string(date.day);
}

std::vector<std::string> NamesIn(const IndicatorStore& store, const CalendarDate& date) {
    std::vector<std::string> names;
    for (int32_t id : IndicatorIdsOn(store, date)) names.push_back(store.FindById(id)->name);
    return names;
}

class IndicatorListTest : public ::testing::Test {
protected:
    IndicatorListTest() {
        os.now = FromLocalTime(2014, 3, 1, 12, 0, 0);
        store.Merge(FeedLine("2014/3/5", "00:00", "Day start") +
                        FeedLine("2014/3/4", "23:59", "Evening before") +
                        FeedLine("2014/3/5", "23:59", "Day end") +
                        FeedLine("2014/3/6", "00:00", "Next day") +
                        FeedLine("2014/3/5", "10:30", "Morning"),
                    path, /*autoNotifyRank=*/3, nextId);
    }

    std::vector<std::string> NamesOn(const CalendarDate& date) const {
        return NamesIn(store, date);
    }

    int32_t IdOf(const std::string& name) const {
        for (const auto& [when, record] : store.All()) {
            if (record.name == name) return record.id;
        }
        return 0;
    }

    FakeOs os;
    std::string path = IndicatorFilePath();
    IndicatorStore store;
    int32_t nextId = 1;
};

}  // namespace

TEST_F(IndicatorListTest, RowsAreTheLocalDaysAnnouncementsInTimeOrder) {
    EXPECT_EQ(NamesOn({2014, 3, 5}), (std::vector<std::string>{"Day start", "Morning", "Day end"}));
    EXPECT_EQ(NamesOn({2014, 3, 6}), (std::vector<std::string>{"Next day"}));
    EXPECT_TRUE(NamesOn({2014, 3, 7}).empty());
    EXPECT_TRUE(NamesOn({2013, 3, 5}).empty());
}

TEST(IndicatorListZoneTest, ADayWithoutMidnightListsItsOwnRecordsOnly) {
#ifdef _WIN32
    GTEST_SKIP() << "the Windows runtime reads no zone rules from TZ";
#endif
    const ZoneWithoutMidnight zones[] = {
        {"America/Santiago", {2023, 9, 2}, {2023, 9, 3}, {2023, 9, 4}, "01:15"},
        {"Atlantic/Azores", {2024, 3, 30}, {2024, 3, 31}, {2024, 4, 1}, "01:15"},
        {"Asia/Beirut", {2024, 3, 30}, {2024, 3, 31}, {2024, 4, 1}, "01:15"},
        // Forward by an hour at 23:30: the day begins at 00:30.
        {"<-0330>3:30<-0230>,M3.5.0/23:30,M10.5.0/1",
         {2024, 3, 31},
         {2024, 4, 1},
         {2024, 4, 2},
         "00:45"},
    };
    for (const ZoneWithoutMidnight& row : zones) {
        SCOPED_TRACE(row.zone);
        ScopedZone zone(row.zone);
        const int64_t dayLength =
            FromLocalTime(row.day.year, row.day.month, row.day.day, 12, 0, 0) -
            FromLocalTime(row.before.year, row.before.month, row.before.day, 12, 0, 0);
        if (dayLength != 23 * 3600) {
            ADD_FAILURE() << "the runtime knows no rules for this zone";
            continue;
        }
        FakeOs os;
        IndicatorStore store;
        int32_t nextId = 1;
        const std::string before = FeedDate(row.before), day = FeedDate(row.day);
        store.Merge(FeedLine(before.c_str(), "23:15", "Evening before") +
                        FeedLine(day.c_str(), row.firstTime, "First hour") +
                        FeedLine(day.c_str(), "12:00", "Noon") +
                        FeedLine(FeedDate(row.after).c_str(), "00:30", "Next day"),
                    IndicatorFilePath(), /*autoNotifyRank=*/3, nextId);
        EXPECT_EQ(NamesIn(store, row.day), (std::vector<std::string>{"First hour", "Noon"}));
        EXPECT_EQ(NamesIn(store, row.before), (std::vector<std::string>{"Evening before"}));
        EXPECT_EQ(NamesIn(store, row.after), (std::vector<std::string>{"Next day"}));
    }
}

TEST(CheckBoxClickTest, OnlyAPressAndReleaseOnTheSameRowsBoxToggles) {
    CheckBoxClick click;
    click.ButtonDown(10, 2);
    EXPECT_EQ(click.ButtonUp(2), 2);
    // The press is forgotten after the release.
    EXPECT_EQ(click.ButtonUp(2), CheckBoxClick::NO_ROW);

    click.ButtonDown(10, 2);  // dragged onto another row
    EXPECT_EQ(click.ButtonUp(3), CheckBoxClick::NO_ROW);

    click.ButtonDown(CheckBoxClick::COLUMN_WIDTH, 2);  // on the time or the name
    EXPECT_EQ(click.ButtonUp(2), CheckBoxClick::NO_ROW);

    click.ButtonDown(10, CheckBoxClick::NO_ROW);  // below the last row
    EXPECT_EQ(click.ButtonUp(CheckBoxClick::NO_ROW), CheckBoxClick::NO_ROW);

    click.ButtonDown(0, 0);
    EXPECT_EQ(click.ButtonUp(CheckBoxClick::NO_ROW), CheckBoxClick::NO_ROW);
}

TEST(CheckBoxClickTest, APressOnTheNameCancelsAnEarlierPressOnTheBox) {
    CheckBoxClick click;
    click.ButtonDown(10, 1);  // its release never came
    click.ButtonDown(100, 1);
    EXPECT_EQ(click.ButtonUp(1), CheckBoxClick::NO_ROW);
}

TEST_F(IndicatorListTest, ToggleSwitchesTheNotificationAndSavesIt) {
    int32_t id = IdOf("Morning");
    ASSERT_FALSE(store.FindById(id)->notify);
    ASSERT_TRUE(ToggleNotification(store, id, path));
    EXPECT_TRUE(store.FindById(id)->notify);

    IndicatorStore reloaded;
    int32_t reloadedNextId = 1;
    reloaded.Load(path, reloadedNextId);
    ASSERT_NE(reloaded.FindById(id), nullptr);
    EXPECT_TRUE(reloaded.FindById(id)->notify);

    ASSERT_TRUE(ToggleNotification(store, id, path));
    EXPECT_FALSE(store.FindById(id)->notify);
}

TEST_F(IndicatorListTest, ToggleOfAnUnknownIdChangesNothing) {
    std::string before = ReadBytes(path);
    EXPECT_FALSE(ToggleNotification(store, 0, path));
    EXPECT_FALSE(ToggleNotification(store, nextId + 100, path));
    EXPECT_EQ(ReadBytes(path), before);
}
