#include "net/feed_request.h"

#include "base/os.h"
#include "net/http_client.h"
#include "net/server_url.h"
#include "base/euc_jp.h"
#include "base/server_files.h"
#include "store/local_files.h"

namespace {
// The access report goes out last of the four fetches the panel starts together.
constexpr int ACCESS_REPORT_DELAY_MILLISECONDS = 5000;

int DelayMilliseconds(FeedKind kind) {
    return kind == FEED_ACCESS_REPORT ? ACCESS_REPORT_DELAY_MILLISECONDS : (kind - 1) * 1000;
}
}  // namespace

std::string FeedUrl(FeedKind kind) {
    switch (kind) {
    case FEED_INDICATORS: return ServerFileUrl(INDICATOR_FEED_FILE);
    case FEED_NEWS: return ServerFileUrl(NEWS_FEED_FILE);
    case FEED_NOTICES: return ServerFileUrl(NOTICE_FEED_FILE);
    case FEED_ACCESS_REPORT: return ServerFileUrl(ACCESS_REPORT_FILE);
    }
    return std::string();
}

void FeedFetchThread(FeedRequest& request) {
    const std::string scratchFile = ScratchFilePath(request.kind);
    const int delay = DelayMilliseconds(request.kind);
    if (delay > 0) Os().SleepMilliseconds(delay);
    FetchedText fetched;
    if (request.kind == FEED_INDICATORS)
        request.succeeded = SystemDownload(request.url, fetched, scratchFile);
    else
        request.succeeded = FetchUrl(request.url, scratchFile, fetched, false, "");
    request.result = FetchedBody(fetched);
    // The indicator feed is CP932 already; everything else the server sends is EUC-JP.
    if (request.kind != FEED_INDICATORS) request.result = EucJpToCp932(request.result);
}
