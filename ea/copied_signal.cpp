#include "ea/copied_signal.h"

#include <charconv>
#include <optional>

namespace {
constexpr size_t FIELDS_USED = 8;

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const size_t comma = line.find(',');
        fields.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        line.remove_prefix(comma + 1);
    }
}

template <typename Number>
std::optional<Number> ReadNumber(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<CopiedSignal> ReadLine(std::string_view line) {
    const std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() < FIELDS_USED || fields[0].empty()) return std::nullopt;
    const auto time = ReadNumber<int64_t>(fields[1]);
    const auto price = ReadNumber<double>(fields[4]);
    const auto stop = ReadNumber<double>(fields[5]);
    const auto limit = ReadNumber<double>(fields[6]);
    const auto lots = ReadNumber<double>(fields[7]);
    if (!time || *time <= 0 || !price || !stop || !limit || !lots) return std::nullopt;

    CopiedSignal signal{std::string(fields[0]),
                        *time,
                        SignalAction::Modify,
                        fields[3] == "B",
                        *price,
                        *stop,
                        *limit,
                        *lots};
    if (fields[2] == "N") {
        if (fields[3] != "B" && fields[3] != "S") return std::nullopt;
        if (*lots <= 0) return std::nullopt;
        signal.action = SignalAction::Open;
    } else if (fields[2] == "C") {
        signal.action = SignalAction::Close;
    }
    return signal;
}
}  // namespace

std::vector<CopiedSignal> ReadCopiedSignals(std::string_view fileText) {
    std::vector<CopiedSignal> signals;
    while (!fileText.empty()) {
        const size_t end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (std::optional<CopiedSignal> signal = ReadLine(line)) signals.push_back(*signal);
    }
    return signals;
}
