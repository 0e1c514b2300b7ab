#include "store/indicator_file.h"

#include "store/text_utils.h"

namespace {
constexpr uint32_t kNotifyFlag = 1;
constexpr uint32_t kMutedFlag = 2;
}  // namespace

void AppendIndicatorFileLine(std::string& text, const IndicatorRecord& record) {
    AppendHexField(text, static_cast<uint32_t>(record.when));
    AppendTextField(text, record.name);
    AppendTextField(text, record.forecast);
    AppendTextField(text, record.result);
    AppendTextField(text, record.previous);
    AppendHexField(text, static_cast<uint32_t>(record.country));
    AppendHexField(text, static_cast<uint32_t>(record.rank));
    AppendHexField(text, static_cast<uint32_t>(record.highlight));
    AppendHexField(text, record.firedAlerts);
    AppendHexField(text, (record.notify ? kNotifyFlag : 0) | (record.muted ? kMutedFlag : 0));
    AppendHexField(text, static_cast<uint32_t>(record.id));
}

IndicatorRecord ReadIndicatorFileLine(std::string_view line) {
    std::string rest(line);
    IndicatorRecord record;
    record.when = static_cast<uint32_t>(TakeHexField(rest));
    record.name = TakeTextField(rest);
    record.forecast = TakeTextField(rest);
    record.result = TakeTextField(rest);
    record.previous = TakeTextField(rest);
    record.country = TakeHexField(rest);
    record.rank = TakeHexField(rest);
    record.highlight = TakeHexField(rest);
    record.firedAlerts = static_cast<uint32_t>(TakeHexField(rest));
    uint32_t flags = static_cast<uint32_t>(TakeHexField(rest));
    record.notify = (flags & kNotifyFlag) != 0;
    record.muted = (flags & kMutedFlag) != 0;
    record.id = TakeHexField(rest);
    ReplaceAllMbcs(record.name, "&amp;", "&");
    return record;
}
