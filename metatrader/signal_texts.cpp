#include "metatrader/signal_texts.h"

#include <string_view>

#include "metatrader/trade_signal.h"
#include "base/byte_text.h"
#include "base/field_codec.h"

namespace {
constexpr int HISTORY_SIGNALS = 6;
constexpr int SHOWN_MESSAGES = 10;

std::string ClockText(const TradeSignal& signal) {
    LocalTime time;
    if (!signal.Time(time)) return "--:--";
    return FormatText("%02d:%02d", time.hour, time.minute);
}

std::string DateAndClockText(const TradeSignal& signal) {
    LocalTime time;
    if (!signal.Time(time)) return "--/-- --:--:--";
    return FormatText("%d/%d %02d:%02d:%02d", time.month, time.day, time.hour, time.minute,
                      time.second);
}

// Names and messages come from the server as text, so none of them may become markup on the
// page. None of these bytes is ever the second byte of a CP932 character.
std::string EscapedHtmlText(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}
}  // namespace

std::string LatestSignalText(const SignalMap& signals) {
    if (signals.empty()) return "";
    const TradeSignal signal(signals.rbegin()->second);
    const SignalKind& kind = signal.Kind();
    return FormatText("%s　#%d-%s\n　　%s %s\n%s\n%s", signal.Field(2).c_str(), signal.Number(),
                      signal.Field(1).c_str(), kind.longText, ClockText(signal).c_str(),
                      signal.PriceText().c_str(), kind.marker);
}

std::vector<std::string> SignalHistoryLines(const SignalMap& signals) {
    std::vector<std::string> lines;
    int shown = 0;
    for (auto entry = signals.rbegin(); entry != signals.rend() && shown < HISTORY_SIGNALS;
         ++entry, ++shown) {
        const TradeSignal signal(entry->second);
        lines.push_back(FormatText("%s %s #%d-%s", DateAndClockText(signal).c_str(),
                                   signal.Field(2).c_str(), signal.Number(),
                                   signal.Field(1).c_str()));
        lines.push_back(FormatText(" %s %s", signal.Kind().shortText, signal.PriceText().c_str()));
    }
    return lines;
}

std::string SignalMessagesHtml(const MessageMap& messages, const TraderNameMap& traderNames) {
    std::string html;
    int shown = 0;
    for (auto entry = messages.rbegin(); entry != messages.rend() && shown < SHOWN_MESSAGES;
         ++entry, ++shown) {
        std::string traderId, text;
        FieldAt(entry->second, 1, ",", traderId);
        FieldAt(entry->second, 3, ",", text);
        const auto name = traderNames.find(ReadDecimal(traderId));
        const std::string trader = name == traderNames.end() ? "" : name->second;
        html += FormatText("　%s：%s<br>\n<br>\n", EscapedHtmlText(trader).c_str(),
                           EscapedHtmlText(text).c_str());
    }
    return html;
}
