#include "metatrader/trade_signal.h"

#include <cstdio>

#include "base/byte_text.h"
#include "base/field_codec.h"

namespace {
constexpr SignalKind SELL_KIND{0, "BID(売り)", "1▲", "BID売"};
constexpr SignalKind BUY_KIND{1, "ASK(買い)", "0▼", "ASK買"};
constexpr SignalKind MODIFY_SELL_KIND{2, "MOD(変更)", "3■", "MOD変"};
constexpr SignalKind MODIFY_BUY_KIND{3, "MOD(変更)", "3■", "MOD変"};
constexpr SignalKind CLOSE_KIND{4, "CLOSE(決済)", "2◆", "CLS決"};

constexpr int SIGNAL_TIME_FIELD = 9;

bool IsValidCalendarTime(int year, int month, int day, int hour, int minute, int second) {
    return year >= 1900 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 &&
           hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}
}  // namespace

const SignalKind& SignalKindOf(std::string_view kindLetter, std::string_view sideLetter) {
    if (kindLetter == "C") return CLOSE_KIND;
    if (kindLetter == "N") return sideLetter == "B" ? BUY_KIND : SELL_KIND;
    if (sideLetter == "S") return MODIFY_SELL_KIND;
    if (sideLetter == "B") return MODIFY_BUY_KIND;
    return SELL_KIND;
}

TradeSignal::TradeSignal(std::string entryText) : text_(std::move(entryText)) {}

std::string TradeSignal::Field(int index) const {
    std::string field;
    FieldAt(text_, index, ",", field);
    return field;
}

int32_t TradeSignal::Number() const { return ReadDecimal(Field(0)); }

const SignalKind& TradeSignal::Kind() const { return SignalKindOf(Field(3), Field(4)); }

std::string TradeSignal::PriceText() const {
    const std::string second = Field(6);
    if (second.find_first_not_of("0.") == std::string::npos) return Field(5);
    return Field(5) + "/" + second + "/" + Field(7);
}

bool TradeSignal::Time(LocalTime& local) const {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(Field(SIGNAL_TIME_FIELD).c_str(), "%4d.%2d.%2d %2d:%2d:%2d", &year, &month,
                    &day, &hour, &minute, &second) != 6)
        return false;
    if (!IsValidCalendarTime(year, month, day, hour, minute, second)) return false;
    // Before 1970 neither runtime can convert back reliably, so such a time counts as invalid.
    const int64_t seconds = FromLocalTime(year, month, day, hour, minute, second);
    if (seconds < 0) return false;
    local = ToLocalTime(seconds);
    return true;
}
