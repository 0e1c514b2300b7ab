#include "sound/sound_thread_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<void*> g_closed;

void RecordClose(void* handle) { g_closed.push_back(handle); }

void* FakeHandle(uintptr_t value) { return reinterpret_cast<void*>(value); }

SoundThreadHandle Handle(uintptr_t value) {
    return SoundThreadHandle(FakeHandle(value), RecordClose);
}

class SoundThreadTableTest : public ::testing::Test {
protected:
    void SetUp() override { g_closed.clear(); }
    // Reserves an identity and records a worker under it.
    uint32_t Start(SoundThreadTable& table, uintptr_t handle) {
        uint32_t identity = table.ReserveIdentity();
        table.Add(identity, Handle(handle));
        return identity;
    }
};

TEST_F(SoundThreadTableTest, FinishedWorkerHasItsHandleClosedOnce) {
    SoundThreadTable table;
    uint32_t first = Start(table, 0x10);
    uint32_t second = Start(table, 0x20);
    EXPECT_NE(first, second);

    EXPECT_TRUE(table.Finish(second));
    EXPECT_EQ(g_closed, std::vector<void*>{FakeHandle(0x20)});
    EXPECT_FALSE(table.Finish(second));
    EXPECT_FALSE(table.Finish(second + 100));
    EXPECT_EQ(g_closed.size(), 1u);
    EXPECT_EQ(table.Count(), 1u);
}

TEST_F(SoundThreadTableTest, EmptyingOrDestroyingTheTableClosesEveryHandle) {
    {
        SoundThreadTable table;
        Start(table, 0x10);
        Start(table, 0x20);
        table.CloseAll();
        EXPECT_EQ(table.Count(), 0u);
        EXPECT_EQ(g_closed.size(), 2u);
        Start(table, 0x30);
    }
    EXPECT_EQ(g_closed.size(), 3u);
    EXPECT_EQ(g_closed.back(), FakeHandle(0x30));
}

TEST_F(SoundThreadTableTest, WorkerThatDidNotStartIsNotRecorded) {
    SoundThreadTable table;
    uint32_t identity = table.ReserveIdentity();
    table.Add(identity, SoundThreadHandle(nullptr, RecordClose));
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_FALSE(table.Finish(identity));
    EXPECT_TRUE(g_closed.empty());
}
}  // namespace
