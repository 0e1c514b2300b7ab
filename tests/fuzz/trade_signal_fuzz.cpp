// Arbitrary signal and message lines from the server must give the signal page its texts without
// harm: four lines for the newest signal, two history lines per signal for at most six.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "metatrader/signal_texts.h"
#include "base/byte_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SignalMap signals;
    MessageMap messages;
    TraderNameMap names;
    int32_t key = 0;
    for (const std::string& line : SplitLines(text + "\n")) {
        signals.emplace(key % 7, line);
        messages.emplace(key % 5, line);
        names.emplace(key, line);
        ++key;
    }

    const std::string latest = LatestSignalText(signals);
    if (!signals.empty() && CountOccurrences(latest, "\n") < 3) std::abort();
    const size_t shown = signals.size() < 6 ? signals.size() : 6;
    if (SignalHistoryLines(signals).size() != 2 * shown) std::abort();
    SignalMessagesHtml(messages, names);
    return 0;
}
