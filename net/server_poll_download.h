// The downloads of one server poll: the update counter and, when it moved, the three files of
// trader names, messages and trade signals. Runs on a worker thread; the maps are refreshed
// afterwards on the user-interface thread (ServerPoll).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct ServerPollDownload {
    // The counter arrived and differs from the one the poll started with.
    bool counterChanged = false;
    int32_t counter = 0;
    // The body of each file that arrived; nothing for a failed fetch and while the counter stands.
    std::optional<std::string> traders;
    std::optional<std::string> messages;
    std::optional<std::string> signals;
};

// Fetches "qznhnd_update.dat"; when its number differs from lastCounter, fetches
// "qznhnd_trader.dat", "qznhnd_message.dat" and "qznhnd_data.dat" in that order, each whatever
// became of the one before.
ServerPollDownload DownloadServerPoll(int32_t lastCounter);
