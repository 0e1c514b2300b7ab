#include "net/server_poll_download.h"

#include "net/http_client.h"
#include "net/http_response.h"
#include "net/server_url.h"
#include "store/local_files.h"
#include "base/field_codec.h"

namespace {
// The poll has a scratch file of its own: it runs beside the version check of the
// user-interface thread, and the system download reads its scratch file back.
constexpr int POLL_SCRATCH_NUMBER = 4;

std::optional<std::string> FetchBody(const std::string& path) {
    std::string fetched;
    if (!FetchUrl(ServerFileUrl(path), ScratchFilePath(POLL_SCRATCH_NUMBER), fetched, false, ""))
        return std::nullopt;
    return ResponseBody(fetched);
}
}  // namespace

ServerPollDownload DownloadServerPoll(int32_t lastCounter) {
    ServerPollDownload download;
    std::optional<std::string> counter = FetchBody("qznhnd_update.dat");
    if (!counter) return download;
    download.counter = ReadDecimal(*counter);
    if (download.counter == lastCounter) return download;
    download.counterChanged = true;
    download.traders = FetchBody("qznhnd_trader.dat");
    download.messages = FetchBody("qznhnd_message.dat");
    download.signals = FetchBody("qznhnd_data.dat");
    return download;
}
