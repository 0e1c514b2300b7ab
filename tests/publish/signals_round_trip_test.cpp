// Trade signals, trader names and messages published to the poll files and taken in by the
// panel's own server poll; the update counter moves only when their content changes.
#include <gtest/gtest.h>

#include "app/app_core.h"
#include "app/server_poll.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"
#include "metatrader/signal_texts.h"
#include "tests/publish/publish_fixture.h"

namespace {
class SignalsRoundTrip : public PublishFixture {
protected:
    void UseSignals(const std::string& signals) {
        options.traders =
            Source("traders.csv", Utf8(u8"id,name\n101,FXトレーダー山田\n102,\"Sato, Scalper\"\n"));
        options.messages =
            Source("messages.csv", Utf8(u8"time,trader,id,text\n2026-03-10T08:55:00+09:00,101,7001,"
                                        u8"\"こんにちは, 皆さん\"\n"));
        options.signals = Source("signals.csv", signals);
    }

    ServerPollDownload Download(int32_t counter) const {
        ServerPollDownload download;
        download.counterChanged = true;
        download.counter = counter;
        download.traders = Output("qznhnd_trader.dat");
        download.messages = Output("qznhnd_message.dat");
        download.signals = Output("qznhnd_data.dat");
        return download;
    }

    FakeOs os;
    CAppCore core;
};

const char* SIGNALS =
    "id,ticket,time,symbol,kind,side,price,stop,limit,lots\n"
    "9001,48213571,2026-03-10 08:30:00,USDJPY,N,B,151.002,150.500,151.800,0.10\n"
    "9002,48213571,1773100770,USDJPY,C,B,151.620,0.00000,0.00000,0.10\n";

TEST_F(SignalsRoundTrip, ThePanelsPollReadsWhatWasPublished) {
    ScopedOs scoped(os);
    os.now = RUN_TIME;
    UseSignals(SIGNALS);
    ASSERT_TRUE(Run()) << error;
    ServerPoll(core, Download(ReadDecimal(Output("qznhnd_update.dat"))));
    const ServerPollState& poll = core.m_serverPoll;
    EXPECT_EQ(poll.traderNames,
              (TraderNameMap{{101, "FXトレーダー山田"}, {102, "Sato， Scalper"}}));
    ASSERT_EQ(poll.messages.size(), 1u);
    EXPECT_EQ(poll.messages.begin()->first, 1773100500);
    EXPECT_EQ(poll.messages.begin()->second, "7001,101,1773100500,こんにちは， 皆さん");
    ASSERT_EQ(poll.signals.size(), 2u);
    EXPECT_EQ(poll.signals.begin()->first, 1773099000);
    EXPECT_EQ(poll.signals.begin()->second,
              "48213571,USDJPY,1773099000,N,B,151.002,150.500,151.800,0.10,2026.03.10 08:30:00");
    EXPECT_EQ(std::prev(poll.signals.end())->second,
              "48213571,USDJPY,1773100770,C,B,151.620,0.00000,0.00000,0.10,2026.03.10 08:59:30");
}

TEST_F(SignalsRoundTrip, MarkupInNamesAndMessagesReachesTheSignalPageAsText) {
    os.now = RUN_TIME;
    options.traders = Source("traders.csv", Utf8(u8"id,name\n101,<b>Bob</b> ‹i› «Pro»\n"));
    options.messages = Source(
        "messages.csv",
        Utf8(u8"id,trader,time,text\n7001,101,1773100500,\"<img src=x onerror=alert(1)> „&\"\n"));
    options.signals = Source("signals.csv", SIGNALS);
    ASSERT_TRUE(Run()) << error;
    ServerPoll(core, Download(ReadDecimal(Output("qznhnd_update.dat"))));
    const ServerPollState& poll = core.m_serverPoll;
    EXPECT_EQ(poll.traderNames, (TraderNameMap{{101, "<b>Bob</b> 〈i〉 《Pro》"}}));
    EXPECT_EQ(SignalMessagesHtml(poll.messages, poll.traderNames),
              "　&lt;b&gt;Bob&lt;/b&gt; 〈i〉 《Pro》：&lt;img src=x onerror=alert(1)&gt; “&amp;"
              "<br>\n<br>\n");
}

TEST_F(SignalsRoundTrip, TheUpdateCounterMovesOnlyWhenThePollFilesChange) {
    UseSignals(SIGNALS);
    ASSERT_TRUE(Run()) << error;
    const int32_t first = ReadDecimal(Output("qznhnd_update.dat"));
    EXPECT_EQ(first, RUN_TIME);  // a new folder starts at the run's time
    ASSERT_TRUE(Run(RUN_TIME + 60)) << error;
    EXPECT_EQ(ReadDecimal(Output("qznhnd_update.dat")), first);
    UseSignals(std::string(SIGNALS) + "9003,1,1773100790,EURUSD,N,S,1.08,0,0,0.1\n");
    ASSERT_TRUE(Run(RUN_TIME + 61)) << error;
    EXPECT_EQ(ReadDecimal(Output("qznhnd_update.dat")), RUN_TIME + 61);
    UseSignals(std::string(SIGNALS));
    ASSERT_TRUE(Run(RUN_TIME + 10)) << error;  // a clock set back still moves the counter on
    EXPECT_EQ(ReadDecimal(Output("qznhnd_update.dat")), RUN_TIME + 62);
}

TEST_F(SignalsRoundTrip, BadSignalFilesAreRefusedNamingFileAndLine) {
    UseSignals("id,ticket,time,symbol,kind,side,price\n9001,1,yesterday,USDJPY,N,B,1\n");
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, "signals: line 2: the time cannot be read");
    UseSignals("ticket,time\n1,2\n");
    EXPECT_FALSE(Run());
    EXPECT_EQ(error, "signals: line 1: the header has no column \"id\"");
}
}  // namespace
