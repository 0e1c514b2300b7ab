#include "publish/item_ids.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {
constexpr int64_t FORGET_AFTER_SECONDS = 400LL * 86400;
// The first line keeps the highest id ever given, so that forgetting an item never frees its id.
constexpr std::string_view HIGHEST_LABEL = "highest\t";

template <class Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    return failure == std::errc() && end == text.data() + text.size();
}
}  // namespace

ItemIds::ItemIds(std::string_view stateText) {
    while (!stateText.empty()) {
        const size_t end = stateText.find('\n');
        std::string_view line = stateText.substr(0, end);
        stateText = end == std::string_view::npos ? std::string_view() : stateText.substr(end + 1);
        int32_t highest = 0;
        if (line.starts_with(HIGHEST_LABEL) &&
            ParseNumber(line.substr(HIGHEST_LABEL.size()), highest)) {
            highestId_ = std::max(highestId_, highest);
            continue;
        }
        std::string_view fields[4];
        size_t count = 0;
        for (; count < 3; ++count) {
            const size_t tab = line.find('\t');
            if (tab == std::string_view::npos) break;
            fields[count] = line.substr(0, tab);
            line.remove_prefix(tab + 1);
        }
        if (count != 3 || line.empty()) continue;
        fields[3] = line;
        Record record;
        if (!ParseNumber(fields[0], record.id) || record.id <= 0 ||
            !ParseNumber(fields[1], record.firstSeen) || !ParseNumber(fields[2], record.lastSeen))
            continue;
        highestId_ = std::max(highestId_, record.id);
        records_[std::string(fields[3])] = record;
    }
}

ItemIds::Entry ItemIds::IdFor(const std::string& key, int64_t now) {
    // A key is one line of the state file.
    std::string safeKey = key;
    std::replace(safeKey.begin(), safeKey.end(), '\n', ' ');
    std::replace(safeKey.begin(), safeKey.end(), '\r', ' ');
    auto [found, added] = records_.try_emplace(safeKey);
    Record& record = found->second;
    if (added) {
        record.id = NewId();
        record.firstSeen = now;
    }
    record.lastSeen = now;
    return Entry{record.id, record.firstSeen};
}

int32_t ItemIds::NewId() {
    if (highestId_ < INT32_MAX) return ++highestId_;
    // Every id was given once: the lowest that no kept item holds, so that no two items ever
    // share an id.
    if (idsInUse_.empty())
        for (const auto& [key, record] : records_) idsInUse_.insert(record.id);
    while (idsInUse_.contains(lowestFreeCandidate_)) ++lowestFreeCandidate_;
    idsInUse_.insert(lowestFreeCandidate_);
    return lowestFreeCandidate_;
}

std::string ItemIds::StateText(int64_t now) const {
    std::string text = std::string(HIGHEST_LABEL) + std::to_string(highestId_) + '\n';
    for (const auto& [key, record] : records_) {
        if (now - record.lastSeen > FORGET_AFTER_SECONDS) continue;
        text += std::to_string(record.id) + '\t' + std::to_string(record.firstSeen) + '\t' +
                std::to_string(record.lastSeen) + '\t' + key + '\n';
    }
    return text;
}
