#include "net/http_client.h"

#include "base/cancel_token.h"
#include "base/line_file.h"
#include "base/os.h"
#include "net/download_to_file.h"
#include "net/https_download.h"

bool SystemDownload(const std::string& url, std::string& result, const std::string& localFile) {
    if (IsHttpsUrl(url)) return HttpsDownloadText(url, result, localFile);
    result.clear();
    // Cancelled work touches no file: its owner may be gone.
    if (ThisThreadCancelled()) return false;
    Os().RemoveFile(localFile);
    if (!DownloadToFile(url, localFile) || !Os().PathExists(localFile)) return false;
    return ReadTextFile(localFile, result, true);
}
