#include "net/http_client.h"

#include "base/cancel_token.h"
#include "base/line_file.h"
#include "base/os.h"
#include "net/download_to_file.h"
#include "net/http_response.h"
#include "net/https_download.h"

bool SystemDownload(const std::string& url, FetchedText& result, const std::string& localFile) {
    if (IsHttpsUrl(url)) return HttpsDownloadText(url, result, localFile);
    result = {};
    // Cancelled work touches no file: its owner may be gone.
    if (ThisThreadCancelled()) return false;
    Os().RemoveFile(localFile);
    if (!DownloadToFile(url, localFile) || !Os().PathExists(localFile)) return false;
    // The download stops at the limit; the read holds to it as well, whatever left the file.
    return ReadTextFile(localFile, result.text, true, MAX_RESPONSE_BYTES);
}
