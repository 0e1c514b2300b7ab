// The indicator list's rows for a calendar day and its check-box clicks.
#include <gtest/gtest.h>

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
        std::vector<std::string> names;
        for (int32_t id : IndicatorIdsOn(store, date)) names.push_back(store.FindById(id)->name);
        return names;
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
