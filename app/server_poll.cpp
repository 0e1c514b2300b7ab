#include "app/server_poll.h"

#include <array>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/alert_events.h"
#include "base/os.h"
#include "base/byte_text.h"
#include "base/field_codec.h"

namespace {
constexpr size_t MAX_ENTRIES = 100;
// A signal younger than this rings the signal-arrival sound.
constexpr int64_t FRESH_SIGNAL_SECONDS = 180;

std::string Field(std::string_view line, int index) {
    std::string field;
    FieldAt(line, index, ",", field);
    return field;
}

int32_t NumberField(std::string_view line, int index) { return ReadDecimal(Field(line, index)); }

std::vector<std::string> NonEmptyLines(std::string_view body) {
    std::vector<std::string> lines = SplitLines(body);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

void RefreshTraderNames(const std::string& body, ServerPollState& state,
                        std::array<int32_t, CAppCore::PAIR_COUNT>& pairFirst) {
    state.traderNames.clear();
    size_t pair = 0;
    for (const std::string& line : NonEmptyLines(body)) {
        const int32_t id = NumberField(line, 0);
        state.traderNames.emplace(id, Field(line, 1));  // a repeated id keeps its first name
        if (pair < pairFirst.size()) pairFirst[pair++] = id;
    }
}

// Drops the smallest keys (the oldest entries) until at most MAX_ENTRIES remain.
template <class Map>
void KeepNewest(Map& map) {
    while (map.size() > MAX_ENTRIES) map.erase(map.begin());
}

// The server numbers its lines in field 0; ids are compared as numbers, so "007" and "7" are
// one line.
// The ids are kept in an ordered set: a line costs a logarithm of what is known, however long
// the file, and no choice of ids can make it more.
void RefreshMessages(const std::string& body, MessageMap& messages) {
    std::set<int32_t> knownIds;
    for (const auto& entry : messages) knownIds.insert(NumberField(entry.second, 0));
    for (const std::string& line : NonEmptyLines(body)) {
        if (!knownIds.insert(NumberField(line, 0)).second) continue;
        messages.emplace(NumberField(line, 2), line);
    }
    KeepNewest(messages);
}

// Everything after the third ","; empty when the line has fewer.
std::string_view AfterThirdComma(std::string_view line) {
    size_t at = 0;
    for (int comma = 0; comma < 3; ++comma) {
        at = line.find(',', at);
        if (at == std::string_view::npos) return std::string_view();
        ++at;
    }
    return line.substr(at);
}

// A signal line "id,s0,key,s1,s2,..." is stored under its key as "s0,s1,s2,...".
std::string SignalEntryText(const std::string& line) {
    return Field(line, 1) + "," + std::string(AfterThirdComma(line));
}

void RefreshSignals(const std::string& body, ServerPollState& state) {
    std::set<int32_t> knownIds;
    for (const auto& entry : state.signalIds) knownIds.insert(entry.second);
    for (const std::string& line : NonEmptyLines(body)) {
        const int32_t id = NumberField(line, 0);
        if (!knownIds.insert(id).second) continue;
        const int32_t key = NumberField(line, 2);
        state.signals.emplace(key, SignalEntryText(line));
        state.signalIds.emplace(key, id);
    }
    // Both maps hold the same keys in the same order, so their first entries go together.
    KeepNewest(state.signals);
    KeepNewest(state.signalIds);
}

std::optional<SoundCue> SignalArrivalSound(const CAppCore& core) {
    const SignalMap& signals = core.m_serverPoll.signals;
    if (signals.empty() || !core.IsEventEnabled(EVENT_SIGNAL_RECEIVED)) return std::nullopt;
    const int64_t sentAt = NumberField(std::prev(signals.end())->second, 2);
    if (Os().Now() - sentAt >= FRESH_SIGNAL_SECONDS) return std::nullopt;
    return SoundCue{core.m_soundFiles[EVENT_SIGNAL_RECEIVED], 0};
}
}  // namespace

ServerPollOutcome ServerPoll(CAppCore& core, const ServerPollDownload& download) {
    ServerPollOutcome outcome;
    if (!download.counterChanged) return outcome;
    ServerPollState& state = core.m_serverPoll;
    if (download.traders) RefreshTraderNames(*download.traders, state, core.m_pairFirst);
    if (download.messages) RefreshMessages(*download.messages, state.messages);
    if (download.signals) RefreshSignals(*download.signals, state);
    state.lastCounter = download.counter;
    outcome.changed = true;
    outcome.sound = SignalArrivalSound(core);
    state.copyFile.Write(core.m_signalCopyReady, core.m_signalCopyFolder, state.signals);
    return outcome;
}

void RetrySignalCopy(CAppCore& core) {
    ServerPollState& state = core.m_serverPoll;
    state.copyFile.RetryPending(core.m_signalCopyReady, core.m_signalCopyFolder, state.signals);
}
