// The indicator store at its full size: two years of announcements (about 50,000 records) and a
// one-week feed of 700 lines merged into it, measured against plain writing and reading of the
// same number of bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "base/local_time.h"
#include "base/os.h"
#include "store/indicator_file.h"
#include "store/indicator_store.h"
#include "base/line_file.h"
#include "base/byte_text.h"

namespace {
constexpr int STORED_RECORDS = 50000;
constexpr int64_t SPACING_SECONDS = 21 * 60;  // 50,000 announcements fill about two years
constexpr int64_t WEEK_SECONDS = 7 * 86400;
constexpr int FEED_LINES = 700;
constexpr int NEW_FEED_LINES = 200;  // the rest of the feed updates stored announcements

const char* const BASE_NAMES[] = {"米・雇用統計",       "独・ＩＦＯ景況感指数", "日・日銀短観",
                                  "英・消費者物価指数", "豪・RBA政策金利発表",  "米・GDP速報値"};

std::string IndicatorName(int index) {
    return FormatText("%s（第%d回）", BASE_NAMES[index % 6], index);
}

// A folder of its own below the temporary folder, removed when the benchmarks end.
struct BenchFolder {
    BenchFolder() {
        path = std::filesystem::temp_directory_path() /
               ("pelimor-indicator-bench-" + std::to_string(Os().Now()));
        std::filesystem::create_directories(path);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string File(const char* name) const { return (path / name).string(); }
    std::filesystem::path path;
};

struct Fixture {
    Fixture() {
        const int64_t now = Os().Now() / 60 * 60;
        const int64_t first = now + WEEK_SECONDS - STORED_RECORDS * SPACING_SECONDS;
        std::string text;
        for (int index = 0; index < STORED_RECORDS; ++index) {
            IndicatorRecord record;
            record.when = first + index * SPACING_SECONDS;
            record.name = IndicatorName(index);
            record.forecast = "1.5%";
            record.result = record.when < now ? "1.4%" : "";
            record.previous = "1.2%";
            record.country = index % 16;
            record.rank = index % 5 + 1;
            record.notify = record.rank >= 4;
            record.id = index + 1;
            AppendIndicatorFileLine(text, record);
        }
        storedBytes = text;
        WriteFileAtomically(storePath, text);

        const int firstUpdated = STORED_RECORDS - (FEED_LINES - NEW_FEED_LINES);
        for (int line = 0; line < FEED_LINES; ++line) {
            bool isNew = line >= FEED_LINES - NEW_FEED_LINES;
            int index = isNew ? STORED_RECORDS + line : firstUpdated + line;
            LocalTime at = ToLocalTime(now + (line * WEEK_SECONDS / FEED_LINES) / 60 * 60);
            feed += FormatText("%d/%d/%d##%d:%02d##%d##%s##0##1.6%%##1.5%%##1.2%%##%d\r\n", at.year,
                               at.month, at.day, at.hour, at.minute, index % 16,
                               IndicatorName(index).c_str(), index % 5 + 1);
        }
    }

    BenchFolder folder;
    std::string storePath = folder.File("iaindex2.dat");
    std::string outputPath = folder.File("output.dat");
    std::string storedBytes;
    std::string feed;
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void LoadedStore(IndicatorStore& store) {
    int32_t nextId = STORED_RECORDS + 1;
    store.Load(Data().storePath, nextId);
}

void BM_IndicatorMergeWeeklyFeed(benchmark::State& state) {
    IndicatorStore store;
    for (auto _ : state) {
        state.PauseTiming();
        LoadedStore(store);
        int32_t nextId = STORED_RECORDS + 1;
        state.ResumeTiming();
        store.Merge(Data().feed, Data().outputPath, 3, nextId);
    }
    state.counters["records"] = static_cast<double>(store.All().size());
}
BENCHMARK(BM_IndicatorMergeWeeklyFeed)->Unit(benchmark::kMillisecond);

void BM_IndicatorLoad(benchmark::State& state) {
    IndicatorStore store;
    for (auto _ : state) LoadedStore(store);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().storedBytes.size()));
}
BENCHMARK(BM_IndicatorLoad)->Unit(benchmark::kMillisecond);

void BM_IndicatorSave(benchmark::State& state) {
    IndicatorStore store;
    LoadedStore(store);
    for (auto _ : state) benchmark::DoNotOptimize(store.Save(Data().outputPath));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().storedBytes.size()));
}
BENCHMARK(BM_IndicatorSave)->Unit(benchmark::kMillisecond);

void BM_IndicatorNextAlertTarget(benchmark::State& state) {
    IndicatorStore store;
    LoadedStore(store);
    const int64_t now = Os().Now();
    for (auto _ : state) benchmark::DoNotOptimize(store.NextAlertTarget(now));
}
BENCHMARK(BM_IndicatorNextAlertTarget);

// The floor: the bytes of the store written and read without formatting or parsing.
void BM_FloorWrite(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteFileAtomically(Data().outputPath, Data().storedBytes));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().storedBytes.size()));
}
BENCHMARK(BM_FloorWrite)->Unit(benchmark::kMillisecond);

void BM_FloorRead(benchmark::State& state) {
    std::string text;
    for (auto _ : state) benchmark::DoNotOptimize(ReadTextFile(Data().storePath, text, true));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().storedBytes.size()));
}
BENCHMARK(BM_FloorRead)->Unit(benchmark::kMillisecond);

// What a save, a reload and a second save cost in I/O alone.
void BM_FloorWriteReadWrite(benchmark::State& state) {
    std::string text;
    for (auto _ : state) {
        WriteFileAtomically(Data().outputPath, Data().storedBytes);
        ReadTextFile(Data().outputPath, text, true);
        benchmark::DoNotOptimize(WriteFileAtomically(Data().outputPath, text));
    }
}
BENCHMARK(BM_FloorWriteReadWrite)->Unit(benchmark::kMillisecond);
}  // namespace
