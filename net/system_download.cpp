#include "net/http_client.h"

#include "base/line_file.h"
#include "base/os.h"
#include "net/download_to_file.h"

bool SystemDownload(const std::string& url, std::string& result, const std::string& localFile) {
    result.clear();
    Os().RemoveFile(localFile);
    if (!DownloadToFile(url, localFile) || !Os().PathExists(localFile)) return false;
    return ReadTextFile(localFile, result, true);
}
