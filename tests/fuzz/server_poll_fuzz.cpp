// Arbitrary poll files from the server are taken in without harm: the maps never grow past 100
// entries, every signal keeps its server id beside it, and the pair table is never overrun.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/server_poll.h"
#include "tests/fuzz/fuzz_program_folder.h"

namespace {
// The input holds the three files one after another, each ended by a NUL byte.
std::string TakeFile(std::string& rest) {
    const size_t end = rest.find('\0');
    std::string file = rest.substr(0, end);
    rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    return file;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzProgramFolder folder;
    static CAppCore core;
    std::string rest(reinterpret_cast<const char*>(data), size);
    ServerPollDownload download;
    download.counterChanged = true;
    download.counter = core.m_serverPoll.lastCounter + 1;
    download.traders = TakeFile(rest);
    download.messages = TakeFile(rest);
    download.signals = TakeFile(rest);

    ServerPoll(core, download);
    const ServerPollState& state = core.m_serverPoll;
    if (state.messages.size() > 100 || state.signals.size() > 100) std::abort();
    if (state.signalIds.size() != state.signals.size()) std::abort();
    auto id = state.signalIds.begin();
    for (auto signal = state.signals.begin(); signal != state.signals.end(); ++signal, ++id)
        if (signal->first != id->first) std::abort();
    return 0;
}
