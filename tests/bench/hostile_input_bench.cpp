// Work on what a server sends grows in proportion to it: each kind of input at 1, 10 and 100
// times a base size, shaped the way that cost most before (a reference that never ends at every
// "&", comments and scripts all through a body, a feed of distinct ids, a head that never ends).
// The time per byte or per line stays flat across the three sizes.
#include <benchmark/benchmark.h>

#include <string>

#include "app/app_core.h"
#include "app/server_poll.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "net/http_response.h"
#include "store/indicator_store.h"
#include "store/news_store.h"
#include "views/html_plain_text.h"

namespace {
std::string Repeated(std::string_view piece, int64_t times) {
    std::string text;
    text.reserve(piece.size() * static_cast<size_t>(times));
    for (int64_t at = 0; at < times; ++at) text += piece;
    return text;
}

void PerByte(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

// Each "&" is text, so past the text's bound the rest of the body is not read: flat.
void PlainTextOfLoneAmpersands(benchmark::State& state) {
    const std::string body = Repeated("&", 20000 * state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(HtmlToPlainText(body));
    PerByte(state, body.size());
}
BENCHMARK(PlainTextOfLoneAmpersands)->Arg(1)->Arg(10)->Arg(100);

// Markup that shows nothing, so the whole body is read whatever the text's bound.
void PlainTextOfCommentsAndScripts(benchmark::State& state) {
    const std::string body =
        Repeated("<!-- & --><SCRIPT>a &lt; b</Script><p title='&amp;'><style>b</style>",
                 200 * state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(HtmlToPlainText(body));
    PerByte(state, body.size());
}
BENCHMARK(PlainTextOfCommentsAndScripts)->Arg(1)->Arg(10)->Arg(100);

void EntityDecodingOfAName(benchmark::State& state) {
    const std::string name = Repeated("&amp;", 4000 * state.range(0));
    for (auto _ : state) {
        std::string decoded = name;
        ReplaceAllMbcs(decoded, "&amp;", "&");
        benchmark::DoNotOptimize(decoded);
    }
    PerByte(state, name.size());
}
BENCHMARK(EntityDecodingOfAName)->Arg(1)->Arg(10)->Arg(100);

void NewsFeedOfDistinctIds(benchmark::State& state) {
    std::string feed = "QZNNEWS\n";
    const int64_t items = 1000 * state.range(0);
    for (int64_t id = 0; id < items; ++id)
        feed += FormatText("%lld<<>>Title<<>>Body<<>>x<<>>%lld<<>>\n", static_cast<long long>(id),
                           static_cast<long long>(1700000000 + id));
    for (auto _ : state) {
        NewsStore store(true);
        store.MergeFeed(feed, false);
        benchmark::DoNotOptimize(store.Count());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * items);
}
BENCHMARK(NewsFeedOfDistinctIds)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// Distinct names far ahead: the first merge adds up to the store's bound per feed, the lines
// beyond it are looked up and dropped.
void IndicatorFeedOfDistinctNames(benchmark::State& state) {
    std::string feed;
    const int64_t lines = 1000 * state.range(0);
    for (int64_t line = 0; line < lines; ++line)
        feed += FormatText("2036/1/2##10:00##1##Forged name %lld##0##-##1##2##3\n",
                           static_cast<long long>(line));
    for (auto _ : state) {
        IndicatorStore store;
        int32_t nextId = 1;
        store.MergeInMemory(feed, 3, nextId);
        benchmark::DoNotOptimize(store.All().size());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * lines);
}
BENCHMARK(IndicatorFeedOfDistinctNames)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void ServerPollOfDistinctIds(benchmark::State& state) {
    std::string messages, signals;
    const int64_t lines = 1000 * state.range(0);
    for (int64_t id = 0; id < lines; ++id) {
        messages += FormatText("%lld,1,%lld,text\n", static_cast<long long>(id),
                               static_cast<long long>(1700000000 + id));
        signals += FormatText("%lld,%lld,%lld,EURUSD,0,N,B,1.1,0,0,0.1,2023.11.15 07:13:20\n",
                              static_cast<long long>(id), static_cast<long long>(id),
                              static_cast<long long>(id));
    }
    ServerPollDownload download;
    download.counterChanged = true;
    download.messages = messages;
    download.signals = signals;
    for (auto _ : state) {
        CAppCore core;
        download.counter = core.m_serverPoll.lastCounter + 1;
        benchmark::DoNotOptimize(ServerPoll(core, download).changed);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * lines * 2);
}
BENCHMARK(ServerPollOfDistinctIds)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// A head that never ends, arriving in the client's 64 KiB pieces up to 0.25, 2.5 and 25 MiB.
void DownloadHeadThatNeverEnds(benchmark::State& state) {
    const std::string piece = Repeated("X-Filler: 0123456789abcdef\r\n", 65536 / 28);
    const int64_t pieces = 4 * state.range(0);
    for (auto _ : state) {
        DownloadResponse response;
        std::string body;
        for (int64_t at = 0; at < pieces; ++at) {
            response.Add(piece);
            benchmark::DoNotOptimize(response.Examine(false, body));
        }
    }
    PerByte(state, piece.size() * static_cast<size_t>(pieces));
}
BENCHMARK(DownloadHeadThatNeverEnds)->Arg(1)->Arg(10)->Arg(100);
}  // namespace
