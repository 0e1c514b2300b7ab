#include "ea/mailbox_values.h"

#include <gtest/gtest.h>

namespace {
constexpr int64_t NOW = 1'765'000'000;

MailboxValues Mailbox(int64_t time, int32_t mask, int32_t direction) {
    return MailboxValues{true, static_cast<int32_t>(static_cast<uint32_t>(time)), mask, direction};
}
}  // namespace

TEST(MailboxValuesTest, ReadsTheAnnouncementTheMaskAndTheDirection) {
    const auto due = DueAnnouncement(Mailbox(NOW + 60, 0x4001, 1), NOW, 0);
    ASSERT_TRUE(due);
    EXPECT_EQ(due->time, NOW + 60);
    EXPECT_EQ(due->mask, 0x4001u);
    EXPECT_EQ(due->sides, TradeSides::BuyOnly);
    EXPECT_EQ(DueAnnouncement(Mailbox(NOW + 60, 1, 2), NOW, 0)->sides, TradeSides::SellOnly);
    EXPECT_EQ(DueAnnouncement(Mailbox(NOW + 60, 1, 0), NOW, 0)->sides, TradeSides::Both);
}

TEST(MailboxValuesTest, ATimeBeyond2038IsReadUnsigned) {
    const int64_t later = (int64_t{1} << 31) + 100;  // 2038-01-19 and after
    const MailboxValues mailbox = Mailbox(later + 60, 1, 0);
    ASSERT_LT(mailbox.time, 0);
    const auto due = DueAnnouncement(mailbox, later, 0);
    ASSERT_TRUE(due);
    EXPECT_EQ(due->time, later + 60);
}

TEST(MailboxValuesTest, NothingIsDueWithoutPanelValuesOrWithinTheWindow) {
    EXPECT_FALSE(DueAnnouncement(MailboxValues{}, NOW, 0));
    EXPECT_FALSE(DueAnnouncement(MailboxValues{true, 0, 0, 0}, NOW, 0));
    MailboxValues noPanel = Mailbox(NOW + 60, 1, 0);
    noPanel.panelFound = false;
    EXPECT_FALSE(DueAnnouncement(noPanel, NOW, 0));
    EXPECT_FALSE(DueAnnouncement(Mailbox(NOW + 60, 0, 0), NOW, 0));
    EXPECT_FALSE(DueAnnouncement(Mailbox(NOW + 60, 1, 3), NOW, 0));
    EXPECT_FALSE(DueAnnouncement(Mailbox(NOW + 60, 1, -1), NOW, 0));
}

TEST(MailboxValuesTest, TheWindowRunsFromTheGraceAgoToSevenDaysAhead) {
    EXPECT_TRUE(DueAnnouncement(Mailbox(NOW, 1, 0), NOW, 0));
    EXPECT_FALSE(DueAnnouncement(Mailbox(NOW - 1, 1, 0), NOW, 0));
    EXPECT_TRUE(DueAnnouncement(Mailbox(NOW - 5, 1, 0), NOW, 5));
    EXPECT_FALSE(DueAnnouncement(Mailbox(NOW - 6, 1, 0), NOW, 5));
    EXPECT_TRUE(DueAnnouncement(Mailbox(NOW + 604800, 1, 0), NOW, 0));
    EXPECT_FALSE(DueAnnouncement(Mailbox(NOW + 604801, 1, 0), NOW, 0));
}
