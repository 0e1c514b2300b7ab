#include "ea/signal_copy_ea.h"

#include <gtest/gtest.h>

#include "base/byte_text.h"
#include "metatrader/signal_copy_ea.h"
#include "metatrader/signal_copy_writer.h"
#include "tests/ea/market_fixture.h"
#include "tests/metatrader/folder_tree.h"

namespace {
constexpr int64_t NOW = 1'765'000'000;
const SignalCopyInputs INPUTS;  // the defaults: factor 1, at most 0.1 lots, 120 s old at most

// A signal entry as the server poll stores it: ticket, symbol, time, kind, side, price, stop,
// limit, lots, time as text.
std::string Entry(int ticket, const char* symbol, int64_t time, const char* kind, const char* side,
                  const char* lots) {
    return FormatText("%d,%s,%lld,%s,%s,1.10010,1.09500,1.11000,%s,2025.12.06 14:%02d:00", ticket,
                      symbol, static_cast<long long>(time), kind, side, lots, ticket % 60);
}

// The hand-over file exactly as the panel writes it for these entries.
std::string CopyFileFor(const SignalMap& signals) {
    TempFolder terminals;
    const std::string terminal = MakeFolder(terminals.Path(), "t");
    MakeFolder(terminal, "experts");
    MakeFolder(terminal, "Files");
    EXPECT_TRUE(SignalCopyWriter(QZGI_CORRECT, terminal, signals));
    return ReadBytes(QzgiPathsFor(terminal).copyFile);
}
}  // namespace

TEST(CopiedSignalTest, ReadsTheLinesThePanelWrites) {
    SignalMap signals;
    signals.emplace(1, Entry(5001, "EURUSD", NOW - 30, "N", "B", "0.05"));
    signals.emplace(2, Entry(5002, "GBPJPY", NOW - 20, "C", "S", "0.05"));
    signals.emplace(3, Entry(5003, "EURUSD", NOW - 10, "M", "S", "0.05"));
    const std::vector<CopiedSignal> read = ReadCopiedSignals(CopyFileFor(signals));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0], (CopiedSignal{"EURUSD", NOW - 30, SignalAction::Open, true, 1.10010, 1.09500,
                                     1.11000, 0.05}));
    EXPECT_EQ(read[1].symbol, "GBPJPY");
    EXPECT_EQ(read[1].action, SignalAction::Close);
    EXPECT_EQ(read[2].action, SignalAction::Modify);
    EXPECT_EQ(read[2].time, NOW - 10);
}

TEST(CopiedSignalTest, LinesThatCannotBeReadAreLeftOut) {
    const std::string text =
        "EURUSD,1765000000,N,B,1.1,0,0,0.1,2025.12.06 14:00:00\r\n"
        "EURUSD,notatime,N,B,1.1,0,0,0.1,x\r\n"
        "EURUSD,1765000001,N,X,1.1,0,0,0.1,x\r\n"
        "EURUSD,1765000002,N,B,1.1,0,0,0,x\r\n"
        "EURUSD,1765000003,N,B,1.1,0,0\r\n"
        ",1765000004,N,B,1.1,0,0,0.1,x\r\n"
        "EURUSD,1765000005,N,S,1.1x,0,0,0.1,x\r\n"
        "\r\n"
        "USDJPY,1765000006,N,S,150.1,0,0,0.2";
    const std::vector<CopiedSignal> read = ReadCopiedSignals(text);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].time, 1765000000);
    EXPECT_EQ(read[1].symbol, "USDJPY");
    EXPECT_FALSE(read[1].buy);
}

TEST(SignalCopyTest, OpensANewSignalOnceWithScaledClampedLots) {
    const std::vector<CopiedSignal> signals = {
        {"EURUSD", NOW - 30, SignalAction::Open, true, 1.1, 1.095, 1.11, 0.05}};
    SignalCopyInputs inputs;
    inputs.lotFactor = 3;
    const SignalCopyDecision first =
        DecideSignalCopy(inputs, signals, "EURUSD.m", EurUsdMarket(), {}, 0, NOW);
    ASSERT_EQ(first.commands.size(), 1u);
    EXPECT_EQ(first.commands[0],
              (OrderCommand{OrderAction::Place, OrderType::Buy, 0, 0.1, 1.10010, 1.095, 1.11}));
    EXPECT_EQ(first.lastCopied, NOW - 30);

    const SignalCopyDecision reread =
        DecideSignalCopy(inputs, signals, "EURUSD.m", EurUsdMarket(), {}, first.lastCopied, NOW);
    EXPECT_TRUE(reread.commands.empty());
    EXPECT_EQ(reread.lastCopied, NOW - 30);
}

TEST(SignalCopyTest, OnlyTheChartsSymbolAndOnlyFreshSignals) {
    const std::vector<CopiedSignal> signals = {
        {"GBPUSD", NOW - 50, SignalAction::Open, true, 1.3, 0, 0, 0.01},
        {"EURUSD", NOW - 121, SignalAction::Open, false, 1.1, 0, 0, 0.01},
        {"EURUSDpro", NOW - 5, SignalAction::Open, false, 1.1, 0, 0, 0.01}};
    const SignalCopyDecision decision =
        DecideSignalCopy(INPUTS, signals, "mEURUSD", EurUsdMarket(), {}, 0, NOW);
    ASSERT_EQ(decision.commands.size(), 1u);
    EXPECT_EQ(decision.commands[0].type, OrderType::Sell);
    EXPECT_DOUBLE_EQ(decision.commands[0].price, 1.10000);
    EXPECT_EQ(decision.lastCopied, NOW - 5);
}

TEST(SignalCopyTest, CloseAndModifyActOnTheOpenCopies) {
    const std::vector<OwnOrder> orders = {{11, OrderType::Buy, 0.02}, {12, OrderType::Sell, 0.03}};
    const std::vector<CopiedSignal> modify = {
        {"EURUSD", NOW - 9, SignalAction::Modify, true, 0, 1.09, 1.12, 0}};
    const auto modified =
        DecideSignalCopy(INPUTS, modify, "EURUSD", EurUsdMarket(), orders, NOW - 10, NOW);
    ASSERT_EQ(modified.commands.size(), 2u);
    EXPECT_EQ(modified.commands[0],
              (OrderCommand{OrderAction::Modify, OrderType::Buy, 11, 0.02, 0, 1.09, 1.12}));

    const std::vector<CopiedSignal> close = {
        {"EURUSD", NOW - 8, SignalAction::Close, false, 0, 0, 0, 0}};
    const auto closed =
        DecideSignalCopy(INPUTS, close, "EURUSD", EurUsdMarket(), orders, NOW - 10, NOW);
    ASSERT_EQ(closed.commands.size(), 2u);
    EXPECT_EQ(closed.commands[0],
              (OrderCommand{OrderAction::Close, OrderType::Buy, 11, 0.02, 1.10000, 0, 0}));
    EXPECT_EQ(closed.commands[1],
              (OrderCommand{OrderAction::Close, OrderType::Sell, 12, 0.03, 1.10010, 0, 0}));
}

TEST(SignalCopyTest, AWideSpreadSkipsTheOpenButTheSignalStaysHandled) {
    MarketState wide = EurUsdMarket();
    wide.ask = wide.bid + 0.001;
    const std::vector<CopiedSignal> signals = {
        {"EURUSD", NOW - 3, SignalAction::Open, true, 1.1, 0, 0, 0.01}};
    const auto decision = DecideSignalCopy(INPUTS, signals, "EURUSD", wide, {}, 0, NOW);
    EXPECT_TRUE(decision.commands.empty());
    EXPECT_EQ(decision.lastCopied, NOW - 3);
}
