#include "app/developer_test.h"

#include <gtest/gtest.h>

#include "app/app_core.h"
#include "store/local_files.h"
#include "tests/support/test_os.h"

namespace {

TEST(DeveloperTest, AddsALinkedTestAnnouncementOneMinuteAheadAndSavesIt) {
    FakeOs os;
    CAppCore core;
    core.m_nextIndicatorId = 41;

    int32_t id = AddTestIndicator(core);

    EXPECT_EQ(id, 41);
    EXPECT_EQ(core.m_nextIndicatorId, 42);
    const IndicatorRecord* record = core.m_indicatorStore.FindById(id);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->when, os.now + 60);
    EXPECT_EQ(record->rank, 4);
    const AutoTradeRule* rule = core.m_ruleStore.FindRule(id);
    ASSERT_NE(rule, nullptr);
    // The link is the only word set.
    EXPECT_EQ(rule->iaLink, 1);
    EXPECT_EQ(rule->pairMask | rule->pairMaskHigh | rule->spareMask | rule->spareMaskHigh |
                  rule->direction | rule->spareWord | rule->reservedWord,
              0);

    CAppCore reloaded;
    reloaded.LoadAll();
    ASSERT_NE(reloaded.m_indicatorStore.FindById(id), nullptr);
    EXPECT_EQ(reloaded.m_ruleStore.FindRule(id)->iaLink, 1);
}

TEST(DeveloperTest, EachUseAddsItsOwnAnnouncementInTimeOrder) {
    FakeOs os;
    CAppCore core;
    int32_t later = AddTestIndicator(core);
    os.now -= 3600;  // an earlier announcement added afterwards
    int32_t earlier = AddTestIndicator(core);

    const auto& all = core.m_indicatorStore.All();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].second.id, earlier);
    EXPECT_EQ(all[1].second.id, later);
    EXPECT_NE(core.m_indicatorStore.FindById(later), nullptr);
}

TEST(DeveloperTest, TwiceInOneSecondKeepsTheFirstAndMakesNoStrayRule) {
    FakeOs os;
    CAppCore core;
    int32_t first = AddTestIndicator(core);
    EXPECT_EQ(AddTestIndicator(core), 0);
    EXPECT_EQ(core.m_indicatorStore.All().size(), 1u);
    EXPECT_EQ(core.m_ruleStore.Count(), 1u);
    EXPECT_NE(core.m_ruleStore.FindRule(first), nullptr);
}

}  // namespace
