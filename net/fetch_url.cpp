#include "net/http_client.h"

#include "net/https_download.h"
#include "net/url_parts.h"

bool FetchUrl(const std::string& url, const std::string& localFile, FetchedText& result,
              bool http11, const std::string& extraHeaders) {
    if (IsHttpsUrl(url)) return HttpsDownloadText(url, result, localFile);
    const std::string host = UrlHost(url);
    // Some servers (and proxies) want the whole URL as the target, others the path alone.
    if (SocketGet(host, url, result, localFile, http11, extraHeaders)) return true;
    result = {};
    const std::string path = UrlPath(url);
    if (!path.empty() && SocketGet(host, path, result, localFile, http11, extraHeaders))
        return true;
    result = {};
    return SystemDownload(url, result, localFile);
}
