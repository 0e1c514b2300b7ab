#include "app/developer_test.h"

#include "app/app_core.h"
#include "base/local_time.h"
#include "base/os.h"
#include "base/byte_text.h"

namespace {
constexpr int JAPAN = 7;  // the country index with the Japanese flag
constexpr int32_t TEST_RANK = 4;
}  // namespace

int32_t AddTestIndicator(CAppCore& core) {
    IndicatorRecord record;
    record.when = Os().Now() + 60;
    // Named after its time, so each use of the command adds an announcement of its own.
    LocalTime local = ToLocalTime(record.when);
    record.name = FormatText("テスト指標 %02d:%02d:%02d", local.hour, local.minute, local.second);
    record.country = JAPAN;
    record.rank = TEST_RANK;
    record.notify = TEST_RANK >= core.m_autoNotifyRank;
    int32_t id = core.m_indicatorStore.Add(record, core.m_nextIndicatorId);
    if (id != 0) core.m_ruleStore.FindOrCreateRule(id).iaLink = 1;
    core.SaveAll();
    return id;
}
