#include "net/server_poll_download.h"

#include "net/http_client.h"
#include "net/server_url.h"
#include "store/local_files.h"
#include "base/field_codec.h"
#include "base/server_files.h"

namespace {
// The poll has a scratch file of its own: it runs beside the version check of the
// user-interface thread, and the system download reads its scratch file back.
constexpr int POLL_SCRATCH_NUMBER = 4;

std::optional<std::string> FetchBody(const std::string& path) {
    FetchedText fetched;
    if (!FetchUrl(ServerFileUrl(path), ScratchFilePath(POLL_SCRATCH_NUMBER), fetched, false, ""))
        return std::nullopt;
    return FetchedBody(fetched);
}
}  // namespace

ServerPollDownload DownloadServerPoll(int32_t lastCounter) {
    ServerPollDownload download;
    std::optional<std::string> counter = FetchBody(POLL_COUNTER_FILE);
    if (!counter) return download;
    download.counter = ReadDecimal(*counter);
    if (download.counter == lastCounter) return download;
    download.counterChanged = true;
    download.traders = FetchBody(POLL_TRADER_FILE);
    download.messages = FetchBody(POLL_MESSAGE_FILE);
    download.signals = FetchBody(POLL_SIGNAL_FILE);
    return download;
}
