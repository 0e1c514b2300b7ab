// The whole update, from the server's version file to the swapped program folder.
//
// Nothing from the server is trusted before the manifest's signature has been checked against
// the public key built into the updater; every downloaded file must then match the manifest's
// size and SHA-256. The installed program is touched only by the journalled swap, after the
// panel has ended, so any failure leaves it exactly as it was.
//
// Every download is bounded (the connection's time-out and deadline). The update can be stopped
// by cancelling the calling thread's work (base/cancel_token.h): it then ends at its next step,
// at the latest before the swap, with the program as it was.
#pragma once

#include <cstdint>
#include <string>

// What the updater's window does for the update.
class UpdateProgress {
public:
    virtual ~UpdateProgress() = default;
    // What is happening, and how far the update is (0 to 100).
    virtual void ShowStatus(const std::string& text, int percent) = 0;
    // Returns once the panel has ended; false when the user gave up waiting for it or the update
    // was stopped.
    virtual bool WaitForProgramExit() = 0;
};

struct UpdateSource {
    std::string baseUrl;     // ends in "/", as ServerBaseUrl gives it
    std::string publicKey;   // X and Y of the P-256 key, 32 bytes each
    int32_t ownVersion = 0;  // releases older than this one are refused
};

struct UpdateResult {
    bool updated = false;
    std::string userMessage;  // on failure: the one message for the user
};

UpdateResult RunUpdate(const std::string& programFolder, const UpdateSource& source,
                       UpdateProgress& progress);
