#include "net/fetch_file_bytes.h"

#include <memory>

#include "net/http_request.h"
#include "net/http_response.h"
#include "net/https_download.h"
#include "net/socket_connection.h"
#include "net/url_parts.h"

namespace {
constexpr size_t RECEIVE_CHUNK_BYTES = 65536;
constexpr int HTTP_PORT = 80;
// A fresh copy from every cache on the way: a stale file is worth nothing (a stale manifest
// would not even match its signature).
constexpr const char* CACHE_BYPASS_HEADERS = "Cache-Control: no-cache\r\nPragma: no-cache\r\n";

bool ReceiveBody(HttpConnection& connection, std::string& body) {
    std::unique_ptr<char[]> buffer(new char[RECEIVE_CHUNK_BYTES]);
    DownloadResponse response;
    for (;;) {
        int count = connection.Receive(buffer.get(), RECEIVE_CHUNK_BYTES);
        if (count < 0) return false;
        response.Add(std::string_view(buffer.get(), static_cast<size_t>(count)));
        if (response.Size() > MAX_RESPONSE_BYTES) return false;
        DownloadState state = response.Examine(count == 0, body);
        if (state != DownloadState::Incomplete) return state == DownloadState::Complete;
    }
}
}  // namespace

bool FetchFileBytes(const std::string& url, std::string& body) {
    if (IsHttpsUrl(url)) return HttpsDownload(url, body);
    body.clear();
    const std::string host = UrlHost(url);
    const std::string path = UrlPath(url);
    HttpConnection connection;
    return ConnectHost(host, connection, HTTP_PORT) &&
           connection.SendAll(BuildGetRequest(path.empty() ? std::string("/") : path, true, host,
                                              CACHE_BYPASS_HEADERS)) &&
           ReceiveBody(connection, body);
}
