#include "net/http_client.h"

#include "app/cancel_token.h"
#include "app/os.h"
#include "store/line_file.h"

#ifdef _WIN32
#include <windows.h>
#include <wininet.h>

#include "net/os_url_download_win32.h"
#else
#include <memory>

#include "net/http_request.h"
#include "net/http_response.h"
#include "net/socket_connection.h"
#include "net/url_parts.h"
#endif

namespace {
#ifdef _WIN32
// The system's download service; its cache entry goes first so that the answer is fresh.
bool DownloadToFile(const std::string& url, const std::string& localFile) {
    DeleteUrlCacheEntryA(url.c_str());
    return DownloadUrlToFileWithinLimits(url, localFile);
}
#else
constexpr size_t kReceiveChunkBytes = 65536;
constexpr int kHttpPort = 80;
constexpr const char* kCacheBypassHeaders = "Cache-Control: no-cache\r\nPragma: no-cache\r\n";

bool ReceiveBody(HttpConnection& connection, std::string& body) {
    std::unique_ptr<char[]> buffer(new char[kReceiveChunkBytes]);
    std::string received;
    for (;;) {
        int count = connection.Receive(buffer.get(), kReceiveChunkBytes);
        if (count < 0) return false;
        received.append(buffer.get(), static_cast<size_t>(count));
        if (received.size() > kMaxResponseBytes) return false;
        DownloadState state = ExamineDownloadResponse(received, count == 0, body);
        if (state != DownloadState::Incomplete) return state == DownloadState::Complete;
    }
}

// A plain HTTP/1.1 GET, asking every cache on the way for a fresh copy.
bool DownloadToFile(const std::string& url, const std::string& localFile) {
    const std::string host = UrlHost(url);
    const std::string path = UrlPath(url);
    HttpConnection connection;
    std::string body;
    if (!ConnectHost(host, connection, kHttpPort) ||
        !connection.SendAll(BuildGetRequest(path.empty() ? std::string("/") : path, true, host, kCacheBypassHeaders)) ||
        !ReceiveBody(connection, body))
        return false;
    return WriteFileAtomically(localFile, body);
}
#endif
}  // namespace

bool SystemDownload(const std::string& url, std::string& result, const std::string& localFile) {
    result.clear();
    // Cancelled work touches no file: its owner may be gone.
    if (ThisThreadCancelled()) return false;
    Os().RemoveFile(localFile);
    if (!DownloadToFile(url, localFile) || !Os().PathExists(localFile)) return false;
    return ReadTextFile(localFile, result, true);
}
