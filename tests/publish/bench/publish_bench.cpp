// Publishing a 5,000-event calendar and a 1,000-item news feed, against the floor of reading
// the same source bytes and writing the same output bytes; and a calendar whose rows all share
// one name (each then gets its date, and its time where a day holds it twice) at 10,000 and
// 100,000 rows, which shows that dating the names grows linearly.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "publish/publisher.h"
#include "publish/source_bytes.h"
#include "publish/staged_output.h"

namespace {
namespace fs = std::filesystem;

constexpr int64_t NOW = 1797000000;  // 2026-12-12
constexpr int EVENTS = 5000;
constexpr int NEWS_ITEMS = 1000;

std::string Stamp(int64_t when, const char* format = "%Y%m%dT%H%M%SZ") {
    const time_t time = static_cast<time_t>(when);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, format, &parts);
    return text;
}

std::string Calendar() {
    static const char* CODES[] = {"USD", "JPY", "EUR", "GBP", "AUD", "CAD", "CHF", "NZD"};
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n";
    for (int index = 0; index < EVENTS; ++index) {
        // Spread over the 37 days the run writes.
        const int64_t when = NOW - 7 * 86400 + int64_t{index} * (37 * 86400 / EVENTS);
        text +=
            "BEGIN:VEVENT\r\nUID:event-" + std::to_string(index) +
            "@bench\r\nDTSTAMP:" + Stamp(NOW) + "\r\nDTSTART:" + Stamp(when) +
            "\r\nSUMMARY:" + CODES[index % 8] + " 指標 Indicator number " + std::to_string(index) +
            "\r\nCATEGORIES:High\r\nDESCRIPTION:Forecast: 3.1%\\nPrevious: 3.0%\\nActual: 3.2%\r\n"
            "END:VEVENT\r\n";
    }
    return text + "END:VCALENDAR\r\n";
}

std::string NewsFeed() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
        "<title>bench</title><link>https://news.example/</link><description>d</description>\n";
    for (int index = 0; index < NEWS_ITEMS; ++index) {
        text +=
            "<item><title>ドル円 ニュース " + std::to_string(index) +
            "</title><link>https://news.example/" + std::to_string(index) + "</link><guid>news-" +
            std::to_string(index) +
            "</guid><pubDate>Fri, 11 Dec 2026 09:00:00 +0900</pubDate><description><![CDATA["
            "<p>東京外国為替市場でドル円は151円台前半で小動き。<br>The dollar held <b>steady</b> "
            "&amp; traders waited.</p><script>x()</script>]]></description></item>\n";
    }
    return text + "</channel></rss>\n";
}

struct Sources {
    Sources() {
        folder =
            fs::temp_directory_path() / ("pelimor-publish-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder / "out");
        std::ofstream(folder / "calendar.ics", std::ios::binary) << Calendar();
        std::ofstream(folder / "news.xml", std::ios::binary) << NewsFeed();
        options.outFolder = (folder / "out").string();
        options.calendars = {(folder / "calendar.ics").string()};
        options.news = {(folder / "news.xml").string()};
    }
    ~Sources() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    PublishOptions options;
};

void BM_PublishCalendarAndNews(benchmark::State& state) {
    Sources sources;
    for (auto _ : state) {
        PublishSummary summary;
        std::string error;
        if (!Publish(sources.options, NOW, summary, error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(BM_PublishCalendarAndNews)->Unit(benchmark::kMillisecond);

// The floor: read the two sources and write the files the publisher writes, byte for byte.
void BM_ReadAndWriteSameBytes(benchmark::State& state) {
    Sources sources;
    PublishSummary summary;
    std::string error;
    Publish(sources.options, NOW, summary, error);
    std::vector<std::pair<std::string, std::string>> outputs;
    for (const auto& entry : fs::recursive_directory_iterator(sources.options.outFolder)) {
        if (!entry.is_regular_file()) continue;
        std::string bytes;
        ReadSourceBytes(entry.path().string(), bytes, error);
        outputs.emplace_back(fs::relative(entry.path(), sources.options.outFolder).string(), bytes);
    }
    for (auto _ : state) {
        std::string calendar, news;
        ReadSourceBytes(sources.options.calendars[0], calendar, error);
        ReadSourceBytes(sources.options.news[0], news, error);
        StagedOutput output;
        for (const auto& [path, bytes] : outputs) output.Add(path, bytes);
        if (!output.Commit(sources.options.outFolder, error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(calendar);
        benchmark::DoNotOptimize(news);
    }
}
BENCHMARK(BM_ReadAndWriteSameBytes)->Unit(benchmark::kMillisecond);

// Rows of one name and country, spread over the 37 days the run writes.
std::string SameNameCalendar(int rows) {
    std::string text = "name,datetime,country\n";
    const int64_t first = NOW - 7 * 86400;
    for (int index = 0; index < rows; ++index)
        text += "Initial Jobless Claims," +
                Stamp(first + int64_t{index} * (37 * 86400 / rows), "%Y-%m-%dT%H:%M:%SZ") + ",US\n";
    return text;
}

void BM_PublishSameNameRows(benchmark::State& state) {
    Sources sources;
    const std::string calendar = SameNameCalendar(static_cast<int>(state.range(0)));
    std::ofstream(sources.folder / "same-name.csv", std::ios::binary) << calendar;
    sources.options.calendars = {(sources.folder / "same-name.csv").string()};
    sources.options.news.clear();
    for (auto _ : state) {
        PublishSummary summary;
        std::string error;
        if (!Publish(sources.options, NOW, summary, error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(summary);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PublishSameNameRows)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
}  // namespace
